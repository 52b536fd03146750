#include "gui/OptionsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPixmap>

#include "gui/ReportViews.h"
#include "host/cli/session/DisplayColours.h"

namespace tarngui {
namespace {

QComboBox* ColourBox(bool forText, int current, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const tarncli::session::DisplayColour& colour : tarncli::session::DisplayColours()) {
        QPixmap swatch(16, 16);
        swatch.fill(ToQColor(forText ? colour.text : colour.background));
        box->addItem(QIcon(swatch), QString::fromStdString(colour.name));
    }
    box->setCurrentIndex(current >= 0 && current < box->count() ? current : -1);
    return box;
}

}  // namespace

OptionsDialog::OptionsDialog(const DisplayOptions& current, QWidget* parent)
    : QDialog(parent),
      font_(new QFontComboBox(this)),
      size_(new QSpinBox(this)),
      text_(ColourBox(true, current.foreground, this)),
      background_(ColourBox(false, current.background, this)) {
    setWindowTitle("Options");
    font_->setCurrentFont(QFont(QString::fromStdString(current.fontName)));
    // The face stays as named even when this machine lacks it.
    font_->setEditText(QString::fromStdString(current.fontName));
    size_->setRange(4, 72);
    size_->setValue(current.fontSize);
    auto* form = new QFormLayout(this);
    form->addRow("Map view &font:", font_);
    form->addRow("Font &size:", size_);
    form->addRow("&Text colour:", text_);
    form->addRow("&Background colour:", background_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

DisplayOptions OptionsDialog::Chosen() const {
    return {font_->currentText().toStdString(), size_->value(), text_->currentIndex(),
            background_->currentIndex()};
}

}  // namespace tarngui
