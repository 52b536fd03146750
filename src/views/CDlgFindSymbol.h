// "Find Symbol": the name to look for (with the find history to choose from), match case and
// wild card. OK searches the symbol list from its first row; the dialog closes only when a
// symbol was found, and the name then heads the history.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "src/shell/framework/CDlgWithHelp.h"

class CTarnMapSymbolListInstanceCtrl;

class CDlgFindSymbol : public CDlgWithHelp {
public:
    CDlgFindSymbol(CTarnMapSymbolListInstanceCtrl& view, std::vector<std::string>& history,
                   tarnui::Window* parent = nullptr);

    // The characters the name box refuses: + - / % < > & | ! ^ ( ) " ' =
    static bool IsRefusedCharacter(char c);
    static bool HasRefusedCharacter(std::string_view text);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CTarnMapSymbolListInstanceCtrl& view_;
    std::vector<std::string>& history_;
};
