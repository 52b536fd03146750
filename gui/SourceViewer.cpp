#include "gui/SourceViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTextBlock>

namespace tarngui {

SourceViewer::SourceViewer(QWidget* parent)
    : QDockWidget("Source", parent), text_(new QPlainTextEdit(this)) {
    setObjectName("SourceViewer");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWidget(text_);
}

bool SourceViewer::Show(const QString& file, int line) {
    setWindowTitle(QFileInfo(file).fileName() + ":" + QString::number(line));
    if (file != file_) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
            file_.clear();
            text_->setExtraSelections({});
            text_->setPlainText(file + ": " + in.errorString());
            return false;
        }
        text_->setPlainText(QString::fromUtf8(in.readAll()));
        file_ = file;
    }
    const QTextBlock block = text_->document()->findBlockByNumber(std::max(line, 1) - 1);
    QTextCursor cursor(block.isValid() ? block : text_->document()->lastBlock());
    text_->setTextCursor(cursor);
    text_->centerCursor();
    QTextEdit::ExtraSelection mark;
    mark.cursor = cursor;
    mark.format.setBackground(palette().color(QPalette::Highlight).lighter(160));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    text_->setExtraSelections({mark});
    return true;
}

int SourceViewer::CurrentLine() const {
    return text_->textCursor().blockNumber() + 1;
}

}  // namespace tarngui
