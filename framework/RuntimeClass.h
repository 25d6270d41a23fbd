#pragma once
// Run-time class information: a class can be identified at run time, not created by name.

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
};

// Each class's record is named after the class, so that none hides its base's.
#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass)                           \
public:                                                     \
    static const CRuntimeClass class##theClass;             \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(theClass, baseClass)                                                     \
    const CRuntimeClass theClass::class##theClass = { #theClass, RUNTIME_CLASS(baseClass) };       \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }
