#include "gui/DialogWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/KeyMapping.h"
#include "gui/ReportViews.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/menus/Menu.h"

namespace tarngui {

namespace {
QString Label(const std::string& text) {
    return QString::fromStdString(tarnui::MenuDisplayText(text));
}
}  // namespace

// Keeps one widget in step with its control.
class ControlBinding : public ChangeListener {
public:
    ControlBinding(QtBackend& backend, tarnui::Control& control, QWidget* widget)
        : backend_(backend), control_(&control), widget_(widget) {
        backend_.Listen(control, this);
    }
    ~ControlBinding() override {
        if (control_ != nullptr) {
            backend_.Forget(*control_);
        }
    }
    void Refresh() {
        if (control_ == nullptr) {
            return;
        }
        widget_->setVisible(control_->IsVisibleFlag());
        widget_->setEnabled(control_->IsWindowEnabled());
        updating_ = true;
        RefreshContent(*control_, widget_);
        updating_ = false;
        if (control_->HasFocus() && !widget_->hasFocus()) {
            widget_->setFocus();
        }
    }
    bool Updating() const { return updating_; }
    tarnui::Control* Control() const { return control_; }
    QWidget* Widget() const { return widget_; }

private:
    void WindowChanged(uint32_t) override { Refresh(); }
    void WindowGone() override { control_ = nullptr; }

    static void RefreshContent(tarnui::Control& c, QWidget* w) {
        const QString text = QString::fromStdString(c.GetWindowText());
        if (auto* edit = dynamic_cast<tarnui::Edit*>(&c)) {
            auto* line = static_cast<QLineEdit*>(w);
            if (line->text() != text) {
                line->setText(text);
            }
            const auto [start, end] = edit->GetSel();
            line->setSelection(start, end - start);
            line->setReadOnly(edit->IsReadOnly());
        } else if (auto* combo = dynamic_cast<tarnui::ComboBox*>(&c)) {
            auto* box = static_cast<QComboBox*>(w);
            box->clear();
            for (int i = 0; i < combo->GetCount(); ++i) {
                box->addItem(QString::fromStdString(combo->GetLBText(i)));
            }
            box->setCurrentIndex(combo->GetCurSel());
            if (box->isEditable()) {
                box->setEditText(text);
            }
        } else if (auto* check = dynamic_cast<tarnui::CheckBox*>(&c)) {
            static_cast<QCheckBox*>(w)->setChecked(check->GetCheck() != 0);
        } else if (auto* list = dynamic_cast<tarnui::ListBox*>(&c)) {
            auto* view = static_cast<QListWidget*>(w);
            auto* checks = dynamic_cast<tarnui::CheckListBox*>(&c);
            view->clear();
            for (int i = 0; i < list->GetCount(); ++i) {
                auto* item = new QListWidgetItem(QString::fromStdString(list->GetText(i)), view);
                item->setSelected(list->GetSel(i));
                if (checks != nullptr) {
                    item->setCheckState(checks->GetCheck(i) != 0 ? Qt::Checked : Qt::Unchecked);
                }
            }
        } else if (auto* label = dynamic_cast<QLabel*>(w)) {
            label->setText(Label(c.GetWindowText()));
        } else if (auto* group = dynamic_cast<QGroupBox*>(w)) {
            group->setTitle(Label(c.GetWindowText()));
        } else if (auto* button = dynamic_cast<QPushButton*>(w)) {
            button->setText(text);
        }
    }

    QtBackend& backend_;
    tarnui::Control* control_;
    QWidget* widget_;
    bool updating_ = false;
};

DialogWidget::DialogWidget(QtBackend& backend, tarnui::Dialog& dialog, QWidget* parent)
    : QDialog(parent), backend_(backend), dialog_(dialog) {
    setWindowTitle(QString::fromStdString(dialog.GetWindowText()));
    const tarnui::Rect frame = dialog.GetWindowRect();
    setFixedSize(std::max(frame.Width(), 120), std::max(frame.Height(), 60));
    if (dialog.GetFont() != nullptr) {
        setFont(ToQFont(*dialog.GetFont()));
    }
    for (const auto& owned : dialog.Controls()) {
        tarnui::Control& c = *owned;
        QWidget* w = nullptr;
        const QString text = QString::fromStdString(c.GetWindowText());
        switch (c.Kind()) {
            case tarnui::ControlKind::Static:
                w = new QLabel(Label(c.GetWindowText()), this);
                break;
            case tarnui::ControlKind::GroupBox:
                w = new QGroupBox(Label(c.GetWindowText()), this);
                break;
            case tarnui::ControlKind::Edit: {
                auto* line = new QLineEdit(text, this);
                auto* edit = static_cast<tarnui::Edit*>(&c);
                auto follow = [this, line, edit] {
                    if (!Updating(*edit)) {
                        const int start = line->hasSelectedText() ? line->selectionStart()
                                                                  : line->cursorPosition();
                        edit->SetSel(start,
                                     line->hasSelectedText()
                                         ? start + static_cast<int>(line->selectedText().size())
                                         : start);
                    }
                };
                connect(line, &QLineEdit::cursorPositionChanged, this, follow);
                connect(line, &QLineEdit::selectionChanged, this, follow);
                w = line;
                break;
            }
            case tarnui::ControlKind::ComboBox: {
                auto* box = new QComboBox(this);
                auto* combo = static_cast<tarnui::ComboBox*>(&c);
                box->setEditable(!combo->IsDropDownList());
                connect(box, qOverload<int>(&QComboBox::activated), this, [this, combo](int i) {
                    combo->ChooseItem(i);
                    AfterInput();
                });
                w = box;
                break;
            }
            case tarnui::ControlKind::CheckBox: {
                auto* box = new QCheckBox(text, this);
                auto* check = static_cast<tarnui::CheckBox*>(&c);
                connect(box, &QCheckBox::clicked, this, [this, check] {
                    check->Click();
                    AfterInput();
                });
                w = box;
                break;
            }
            case tarnui::ControlKind::ListBox:
            case tarnui::ControlKind::CheckListBox: {
                auto* view = new QListWidget(this);
                auto* list = static_cast<tarnui::ListBox*>(&c);
                auto* checks = dynamic_cast<tarnui::CheckListBox*>(&c);
                view->setSelectionMode(QAbstractItemView::NoSelection);
                connect(
                    view, &QListWidget::itemPressed, this,
                    [this, view, list, checks](QListWidgetItem* item) {
                        const int row = view->row(item);
                        const QPoint at = view->viewport()->mapFromGlobal(QCursor::pos());
                        if (checks != nullptr && at.x() < view->visualItemRect(item).left() + 20) {
                            checks->ToggleCheck(row);
                        } else {
                            list->ClickItem(row, 0);
                        }
                        AfterInput();
                    });
                w = view;
                break;
            }
            case tarnui::ControlKind::PushButton:
            case tarnui::ControlKind::DefPushButton: {
                auto* button = new QPushButton(text, this);
                auto* platform = static_cast<tarnui::Button*>(&c);
                button->setDefault(platform->IsDefault());
                button->setAutoDefault(false);
                connect(button, &QPushButton::clicked, this, [this, platform] {
                    platform->Click();
                    AfterInput();
                });
                w = button;
                break;
            }
            case tarnui::ControlKind::ReportList:
                w = new ListView(backend_, static_cast<tarnui::ListControl&>(c), this);
                break;
            case tarnui::ControlKind::Tree:
                w = new TreeView(backend_, static_cast<tarnui::TreeControl&>(c), this);
                break;
        }
        const tarnui::Rect r = c.GetWindowRect();
        w->setGeometry(r.left, r.top, r.Width(), r.Height());
        w->installEventFilter(this);
        if (auto* box = dynamic_cast<QComboBox*>(w); box != nullptr && box->lineEdit() != nullptr) {
            box->lineEdit()->installEventFilter(this);
        }
        auto binding = std::make_unique<ControlBinding>(backend_, c, w);
        binding->Refresh();
        bindings_.push_back(std::move(binding));
    }
    for (auto& b : bindings_) {
        if (dynamic_cast<QGroupBox*>(b->Widget()) != nullptr) {
            b->Widget()->lower();
        }
    }
}

DialogWidget::~DialogWidget() = default;

bool DialogWidget::Updating(const tarnui::Control& control) const {
    for (const auto& b : bindings_) {
        if (b->Control() == &control) {
            return b->Updating();
        }
    }
    return true;  // still being built
}

void DialogWidget::AfterInput() {
    if (dialog_.IsEnded()) {
        done(dialog_.EndCode());
    }
}

void DialogWidget::reject() {
    dialog_.PressEscape();
    AfterInput();
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
    ControlBinding* binding = nullptr;
    for (auto& b : bindings_) {
        if (b->Widget() == watched ||
            (dynamic_cast<QComboBox*>(b->Widget()) != nullptr &&
             static_cast<QComboBox*>(b->Widget())->lineEdit() == watched)) {
            binding = b.get();
        }
    }
    if (binding == nullptr || binding->Control() == nullptr) {
        return false;
    }
    tarnui::Control& control = *binding->Control();
    if (event->type() == QEvent::FocusIn && !binding->Updating()) {
        control.SetFocus();
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    control.SetFocus();
    const QString typed = key->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    auto* edit = dynamic_cast<tarnui::Edit*>(&control);
    auto* combo = dynamic_cast<tarnui::ComboBox*>(&control);
    if (printable && (edit != nullptr || (combo != nullptr && !combo->IsDropDownList()))) {
        const std::string text = typed.toStdString();
        edit != nullptr ? edit->TypeText(text) : combo->TypeText(text);
        AfterInput();
        return true;
    }
    const uint32_t code = PlatformKey(*key);
    if (edit != nullptr && (code == tarnui::kKeyLeft || code == tarnui::kKeyRight ||
                            code == tarnui::kKeyHome || code == tarnui::kKeyEnd)) {
        return false;  // the caret moves on screen; the platform's selection follows it
    }
    if (code == 0 || (printable && combo == nullptr)) {
        return false;  // a click-only control: space toggles check boxes and buttons in Qt
    }
    tarnui::KeyDown(code, PlatformModifiers(key->modifiers()));
    AfterInput();
    return true;
}

}  // namespace tarngui
