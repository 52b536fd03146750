// The source window that "View source" opens: the file read-only, scrolled to the line, which
// is highlighted.
#pragma once

#include <QDockWidget>
#include <QPlainTextEdit>
#include <QString>

namespace tarngui {

class SourceViewer : public QDockWidget {
public:
    explicit SourceViewer(QWidget* parent);

    // Shows the file at the line (from 1); false with the reason in the window when the file
    // cannot be read.
    bool Show(const QString& file, int line);
    const QString& File() const { return file_; }
    // The line the cursor is on (from 1).
    int CurrentLine() const;
    QPlainTextEdit* Text() const { return text_; }

private:
    QPlainTextEdit* text_;
    QString file_;
};

}  // namespace tarngui
