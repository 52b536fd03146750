#include "platform/dialogs/DataExchange.h"

#include <charconv>

#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/dialogs/Dialog.h"

namespace tarnui {

template <typename T>
T* DataExchange::Find(int id) {
    if (failed_) {
        return nullptr;  // an earlier failure ends the exchange
    }
    T* control = dialog_.GetControlAs<T>(id);
    if (control == nullptr) {
        Fail(id);
    }
    return control;
}

template <typename T, typename Get, typename Set>
void DataExchange::Exchange(int id, int& value, Get get, Set set) {
    T* control = Find<T>(id);
    if (control == nullptr) {
        return;
    }
    if (save_) {
        value = get(*control);
    } else {
        set(*control, value);
    }
}

void DataExchange::Fail(int id) {
    if (!failed_) {
        failed_ = true;
        failedId_ = id;
        dialog_.GotoDlgCtrl(id);
    }
}

void DataExchange::Text(int id, std::string& value) {
    Control* c = Find<Control>(id);
    if (c == nullptr) {
        return;
    }
    if (save_) {
        value = c->GetWindowText();
    } else {
        c->SetWindowText(value);
    }
}

void DataExchange::Number(int id, int& value) {
    Control* c = Find<Control>(id);
    if (c == nullptr) {
        return;
    }
    if (!save_) {
        c->SetWindowText(std::to_string(value));
        return;
    }
    const std::string& text = c->GetWindowText();
    const size_t b = text.find_first_not_of(" \t");
    const size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos) {
        Fail(id);
        return;
    }
    int parsed = 0;
    const char* first = text.data() + b;
    const char* last = text.data() + e + 1;
    auto [ptr, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || ptr != last) {
        Fail(id);
        return;
    }
    value = parsed;
}

void DataExchange::Check(int id, int& value) {
    Exchange<CheckBox>(
        id, value, [](CheckBox& c) { return c.GetCheck(); },
        [](CheckBox& c, int v) { c.SetCheck(v); });
}

void DataExchange::Check(int id, bool& value) {
    int v = value ? 1 : 0;
    Check(id, v);
    value = v != 0;
}

void DataExchange::ComboIndex(int id, int& value) {
    Exchange<ComboBox>(
        id, value, [](ComboBox& c) { return c.GetCurSel(); },
        [](ComboBox& c, int v) { c.SetCurSel(v); });
}

void DataExchange::ListIndex(int id, int& value) {
    Exchange<ListBox>(
        id, value, [](ListBox& c) { return c.GetCurSel(); },
        [](ListBox& c, int v) { c.SetCurSel(v); });
}

}  // namespace tarnui
