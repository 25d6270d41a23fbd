#pragma once
// Run-time class information: a class can be identified at run time, not created by name.

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* each = this; each; each = each->m_pBaseClass)
            if (each == base)
                return true;
        return false;
    }
};

#define RUNTIME_CLASS(theClass) (&theClass::classInfo)

#define DECLARE_DYNAMIC(theClass)                           \
public:                                                     \
    static const CRuntimeClass classInfo;                   \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(theClass, baseClass)                                                     \
    const CRuntimeClass theClass::classInfo = { #theClass, RUNTIME_CLASS(baseClass) };             \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }
