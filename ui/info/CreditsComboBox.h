#pragma once
#include "Controls.h"

// The credits list: every row drawn alike on the dialog's face, so that no row looks chosen.
class CCreditsComboBox : public CComboBox {
public:
    ~CCreditsComboBox() override = default;
    void DrawItem(LPDRAWITEMSTRUCT item) override;
};
