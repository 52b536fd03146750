// The host's Options dialog for the display options of the Map views: font, size, text colour
// and background colour (the colours by their names in the named colour table).
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFontComboBox>
#include <QSpinBox>

#include "host/lib/DisplayOptions.h"

namespace tarngui {

using tarnhost::DisplayOptions;

class OptionsDialog : public QDialog {
public:
    OptionsDialog(const DisplayOptions& current, QWidget* parent);
    DisplayOptions Chosen() const;

    QFontComboBox* FontBox() const { return font_; }
    QSpinBox* SizeBox() const { return size_; }
    QComboBox* TextColourBox() const { return text_; }
    QComboBox* BackgroundBox() const { return background_; }

private:
    QFontComboBox* font_;
    QSpinBox* size_;
    QComboBox* text_;
    QComboBox* background_;
};

}  // namespace tarngui
