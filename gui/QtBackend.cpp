#include "gui/QtBackend.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include "gui/DialogWidget.h"
#include "gui/HelpTopics.h"
#include "gui/HelpWindow.h"
#include "gui/QtPrinting.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/menus/PopupMenu.h"
#include "platform/printing/PrintJob.h"
#include "platform/resources/ResourceTable.h"
#include "platform/windows/Cursor.h"
#include "platform/windows/Window.h"

namespace tarngui {

QFont ToQFont(const tarnui::Font& font) {
    QFont q(QString::fromStdString(font.face));
    if (font.face == "Courier New" || font.face == "Courier") {
        q.setStyleHint(QFont::TypeWriter);
        q.setFamilies({QString::fromStdString(font.face), "DejaVu Sans Mono", "Monospace"});
    }
    q.setPixelSize(font.height == 0 ? tarnui::kDefaultFontHeight : std::abs(font.height));
    q.setBold(font.weight >= tarnui::kWeightBold);
    q.setItalic(font.italic);
    return q;
}

QtBackend::QtBackend() = default;
QtBackend::~QtBackend() {
    if (cursorOverridden_) {
        QApplication::restoreOverrideCursor();
    }
    delete help_;
}

void QtBackend::Listen(const tarnui::Window& window, ChangeListener* listener) {
    listeners_[&window] = listener;
}

void QtBackend::Forget(const tarnui::Window& window) {
    lastChanged_ = nullptr;
    listeners_.erase(&window);
    pending_.erase(&window);
}

namespace {
QMessageBox::Icon IconOf(tarnui::MessageBoxIcon icon) {
    switch (icon) {
        case tarnui::MessageBoxIcon::Information:
            return QMessageBox::Information;
        case tarnui::MessageBoxIcon::Exclamation:
            return QMessageBox::Warning;
        case tarnui::MessageBoxIcon::Error:
            return QMessageBox::Critical;
        case tarnui::MessageBoxIcon::Question:
            return QMessageBox::Question;
        case tarnui::MessageBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

const char* ButtonText(int id) {
    switch (id) {
        case tarnui::IDOK:
            return "OK";
        case tarnui::IDCANCEL:
            return "Cancel";
        case tarnui::IDABORT:
            return "&Abort";
        case tarnui::IDRETRY:
            return "&Retry";
        case tarnui::IDIGNORE:
            return "&Ignore";
        case tarnui::IDYES:
            return "&Yes";
        case tarnui::IDNO:
            return "&No";
        default:
            return "?";
    }
}
}  // namespace

int QtBackend::ShowMessageBox(const tarnui::MessageBoxRequest& request) {
    QMessageBox box(IconOf(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, dialogParent_);
    std::map<QAbstractButton*, int> answers;
    const std::vector<int> buttons = request.Buttons();
    for (size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* b = box.addButton(ButtonText(buttons[i]), QMessageBox::AcceptRole);
        answers[b] = buttons[i];
        if (static_cast<int>(i) == request.defaultButton) {
            box.setDefaultButton(b);
        }
        if (buttons[i] == tarnui::IDCANCEL || buttons.size() == 1) {
            box.setEscapeButton(b);
        }
    }
    box.exec();
    auto it = answers.find(box.clickedButton());
    return it != answers.end() ? it->second : request.DefaultAnswer();
}

void QtBackend::RunModalDialog(tarnui::Dialog& dialog) {
    DialogWidget widget(*this, dialog, dialogParent_);
    widget.exec();
    if (dialog.EndCode() == tarnui::IDOK && afterDialogOk_) {
        afterDialogOk_();
    }
}

namespace {
void FillMenu(QMenu& q, const tarnui::Menu& menu) {
    for (int i = 0; i < menu.Count(); ++i) {
        const tarnui::Menu::Item& item = menu.At(i);
        if (item.separator) {
            q.addSeparator();
        } else if (item.submenu != nullptr) {
            FillMenu(*q.addMenu(QString::fromStdString(tarnui::MenuDisplayText(item.text))),
                     *item.submenu);
        } else {
            QAction* a = q.addAction(QString::fromStdString(tarnui::MenuDisplayText(item.text)));
            a->setData(item.command);
            a->setEnabled(item.enabled);
            a->setCheckable(item.checked);
            a->setChecked(item.checked);
        }
    }
}
}  // namespace

int QtBackend::TrackPopupMenu(const tarnui::PopupMenuRequest& request) {
    if (request.menu == nullptr) {
        return 0;
    }
    QMenu menu(dialogParent_);
    FillMenu(menu, *request.menu);
    QAction* chosen = menu.exec(QPoint(request.position.x, request.position.y));
    ScheduleFlush();  // the command chosen runs next; see PressKey
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

std::optional<tarnui::PrintChoice> QtBackend::ShowPrintDialog(
    const tarnui::PrintDialogRequest& request) {
    if (!printToFile_.empty()) {
        tarnui::PrintChoice choice;
        choice.settings = PdfSettings(printToFile_);
        return choice;
    }
    return RunPrintDialog(request, dialogParent_);
}

std::unique_ptr<tarnui::PrintJob> QtBackend::StartPrintJob(const tarnui::DeviceSettings& settings,
                                                           const std::string& documentName) {
    return StartQtPrintJob(settings, documentName);
}

QString QtBackend::HelpFolder() const {
    return helpFolder_.isEmpty() ? QDir(QCoreApplication::applicationDirPath()).filePath("help")
                                 : helpFolder_;
}

HelpWindow* QtBackend::Help() const {
    return static_cast<HelpWindow*>(help_.data());
}

bool QtBackend::ShowHelp(const tarnui::HelpRequest& request) {
    if (request.kind == tarnui::HelpKind::ContextMode) {
        helpMode_.Enter();
        return true;
    }
    const QUrl url = HelpTopics::Load(HelpFolder()).UrlFor(request);
    if (url.isEmpty()) {
        return false;
    }
    // Over a modal dialog the window must belong to it, or the dialog would block it.
    QWidget* owner = QApplication::activeModalWidget() != nullptr
                         ? QApplication::activeModalWidget()
                         : dialogParent_;
    if (help_ == nullptr || help_->parentWidget() != owner) {
        delete help_;
        help_ = new HelpWindow(owner);
    }
    Help()->ShowTopic(url);
    return true;
}

void QtBackend::AfterEachChange(QObject* owner, std::function<void()> action) {
    changeFollowers_.emplace_back(owner, std::move(action));
}

bool QtBackend::PressKey(uint32_t key, unsigned modifiers) {
    // A command a key runs may change only the host's state (a toolbar shown or hidden):
    // the widgets that follow it look again either way.
    ScheduleFlush();
    if (tarnui::KeyDown(key, modifiers)) {
        tarnui::KeyUp(key, modifiers);
        return true;
    }
    return unhandledKey_ && unhandledKey_(key, modifiers);
}

void QtBackend::Beep() {
    ++beeps_;
    QApplication::beep();
}

void QtBackend::WindowShown(tarnui::Window& window, bool) {
    WindowChanged(window, tarnui::kChangeShown);
}

void QtBackend::WindowDestroyed(tarnui::Window& window) {
    for (auto it = timers_.begin(); it != timers_.end();) {
        it = it->first.first == &window ? timers_.erase(it) : std::next(it);
    }
    if (auto it = listeners_.find(&window); it != listeners_.end()) {
        ChangeListener* listener = it->second;
        Forget(window);
        listener->WindowGone();
    }
    if (&window == lastChanged_) {
        lastChanged_ = nullptr;
    }
    pending_.erase(&window);
    if (afterChanges_) {
        ScheduleFlush();
    }
}

void QtBackend::WindowChanged(tarnui::Window& window, uint32_t changes) {
    if (&window == lastChanged_) {  // a burst on one control: a list being filled
        *lastPending_ |= changes;
        return;
    }
    if (listeners_.count(&window) != 0) {
        uint32_t& bits = pending_[&window];
        bits |= changes;
        lastChanged_ = &window;
        lastPending_ = &bits;
    }
    ScheduleFlush();
}

void QtBackend::ScheduleFlush() {
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, &lifetime_, [this] { Flush(); });
    }
}

void QtBackend::Flush() {
    flushScheduled_ = false;
    lastChanged_ = nullptr;
    auto pending = std::move(pending_);
    pending_.clear();
    for (const auto& [window, changes] : pending) {
        if (auto it = listeners_.find(window); it != listeners_.end()) {
            it->second->WindowChanged(changes);
        }
    }
    if (afterChanges_) {
        afterChanges_();
    }
    std::erase_if(changeFollowers_, [](const auto& f) { return f.first == nullptr; });
    for (size_t i = 0; i < changeFollowers_.size(); ++i) {
        if (changeFollowers_[i].first != nullptr) {
            changeFollowers_[i].second();
        }
    }
}

namespace {
QCursor ToQCursor(const tarnui::CursorResource& image) {
    QImage picture(image.width, image.height, QImage::Format_ARGB32);
    if (image.pixels.size() < static_cast<size_t>(image.width * image.height)) {
        return Qt::ArrowCursor;
    }
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            picture.setPixel(x, y, image.pixels[static_cast<size_t>(y * image.width + x)]);
        }
    }
    return QCursor(QPixmap::fromImage(picture), image.hotX, image.hotY);
}
}  // namespace

void QtBackend::CursorChanged(const tarnui::Cursor& cursor) {
    if (cursor.IsArrow()) {
        if (cursorOverridden_) {
            QApplication::restoreOverrideCursor();
            cursorOverridden_ = false;
        }
        return;
    }
    const QCursor shown = ToQCursor(*cursor.image);
    if (cursorOverridden_) {
        QApplication::changeOverrideCursor(shown);
    } else {
        QApplication::setOverrideCursor(shown);
        cursorOverridden_ = true;
    }
}

void QtBackend::MessagesPosted() {
    QTimer::singleShot(0, [] { tarnui::Window::PumpMessages(); });
}

void QtBackend::TimerSet(tarnui::Window& window, int timerId, unsigned intervalMs) {
    auto& timer = timers_[{&window, timerId}];
    timer = std::make_unique<QTimer>();
    timer->setInterval(static_cast<int>(intervalMs));
    tarnui::Window* target = &window;
    QObject::connect(timer.get(), &QTimer::timeout,
                     [target, timerId] { target->FireTimer(timerId); });
    timer->start();
}

void QtBackend::TimerKilled(tarnui::Window& window, int timerId) {
    timers_.erase({&window, timerId});
}

bool QtBackend::MeasureFont(const tarnui::Font& font, tarnui::TextMetrics& metrics) {
    const auto key = std::make_pair(
        font.face + "/" + std::to_string(font.weight) + (font.italic ? "i" : ""), font.height);
    if (auto it = metrics_.find(key); it != metrics_.end()) {
        metrics = it->second;
        return true;
    }
    const QFontMetrics fm(ToQFont(font));
    metrics.height = fm.height();
    metrics.ascent = fm.ascent();
    metrics.descent = fm.descent();
    metrics.externalLeading = fm.leading();
    metrics.averageCharWidth = std::max(1, fm.averageCharWidth());
    metrics.maxCharWidth = std::max(1, fm.maxWidth());
    metrics_[key] = metrics;
    return true;
}

bool QtBackend::MeasureText(const tarnui::Font& font, std::string_view text, int& width) {
    width = QFontMetrics(ToQFont(font))
                .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    return true;
}

}  // namespace tarngui
