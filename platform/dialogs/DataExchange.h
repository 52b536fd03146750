// Moving values between dialog controls and variables, in both directions: when loading,
// the variables go into the controls; when saving, the controls' values go into the
// variables. A dialog's DoDataExchange lists its pairs once for both directions.
#pragma once

#include <string>

namespace tarnui {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), save_(saveAndValidate) {}

    bool IsSaving() const { return save_; }
    bool Failed() const { return failed_; }
    int FailedControl() const { return failedId_; }

    // Edit, editable combo box, static: the text.
    void Text(int id, std::string& value);
    // Edit: a decimal number; saving fails on text that is not one.
    void Number(int id, int& value);
    // Check box: 0 or 1.
    void Check(int id, int& value);
    void Check(int id, bool& value);
    // Combo box: the selected index (-1: none) or the text.
    void ComboIndex(int id, int& value);
    // List box with single selection: the selected index.
    void ListIndex(int id, int& value);
    // Marks the exchange failed at the control `id` (for a dialog's own validation).
    void Fail(int id);

private:
    template <typename T>
    T* Find(int id);
    // Reads the control into value when saving, else writes value into the control.
    template <typename T, typename Get, typename Set>
    void Exchange(int id, int& value, Get get, Set set);

    Dialog& dialog_;
    bool save_;
    bool failed_ = false;
    int failedId_ = 0;
};

}  // namespace tarnui
