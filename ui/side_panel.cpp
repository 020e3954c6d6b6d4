#include "ui/side_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

#include "app/design_controls.h"
#include "app/layout.h"
#include "render/geometry_inputs.h"

namespace mokuza::ui {
namespace {

using enum app::PanelControlKind;

int toWidget(int devicePixels, double ratio) { return static_cast<int>(std::lround(devicePixels / ratio)); }

QRect widgetRect(const Rect& r, double ratio) {
  return {toWidget(r.left, ratio), toWidget(r.top, ratio), toWidget(static_cast<int>(r.width()), ratio),
          toWidget(static_cast<int>(r.height()), ratio)};
}

QString qs(const std::u16string& text) { return QString::fromStdU16String(text); }

// A "設定" row chosen by the focus alone is the row "プレイリスト全体へ適用" copies.
class SettingSpin : public QSpinBox {
 public:
  SettingSpin(QWidget& parent, std::function<void()> chosen) : QSpinBox(&parent), chosen_(std::move(chosen)) {}

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QSpinBox::focusInEvent(event);
    chosen_();
  }

 private:
  std::function<void()> chosen_;
};

// The move-information page opens the move dialog on a double click too.
class InfoText : public QPlainTextEdit {
 public:
  InfoText(QWidget& parent, std::function<void()> doubleClicked)
      : QPlainTextEdit(&parent), doubleClicked_(std::move(doubleClicked)) {
    setReadOnly(true);
  }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (doubleClicked_) doubleClicked_();
    else QPlainTextEdit::mouseDoubleClickEvent(event);
  }

 private:
  std::function<void()> doubleClicked_;
};

}  // namespace

SidePanel::SidePanel(QWidget& board) : QTabWidget(&board), board_(board) {
  for (const std::u16string_view title : app::kPanelTabs)
    addTab(new QWidget(this), QString::fromStdU16String(std::u16string(title)));
  connect(this, &QTabWidget::currentChanged, [this](int page) {
    if (app_ != nullptr) app_->onPanelTabChanged(page);
  });
}

void SidePanel::attach(app::Application& app) { app_ = &app; }

void SidePanel::place(double ratio) {
  if (app_->layout.panelHidden) {
    hide();
    return;
  }
  // A window moved to a screen of another pixel ratio needs new rectangles too.
  if (app::textScale(*app_) != textScale_ || ratio != ratio_) rebuild(ratio);
  // The frame as the panel model places it, without building the pages' texts
  // on every composition.
  // The client is in device pixels, the panel's own sizes in logical ones.
  const int scale = textScale_;
  const app::Size size = app::panelSize(scale);
  const int width = render::devicePixels(size.width, ratio);
  const bool rightEdge = panelAtRightEdge(app_->doc.state.options);
  const int left = rightEdge ? std::max(0, app_->layout.client.width - width) : 0;
  // On a low window the panel ends above the status bar and its pages scroll.
  const int top = render::devicePixels(20 * scale, ratio);
  const int bottom = std::min(top + render::devicePixels(size.height, ratio),
                              app_->layout.client.height - app_->layout.statusBarHeight);
  setGeometry(
      widgetRect({left, top, left + width, std::max(bottom, top + render::devicePixels(4 * scale, ratio))}, ratio));
  show();
}

void SidePanel::rebuild(double ratio) {
  const app::PanelModel model = app::buildPanel(*app_);
  textScale_ = model.textScale;
  ratio_ = ratio;
  QFont scaled = font();
  // The controls' rectangles and text are logical pixels, as every widget's.
  scaled.setPixelSize(6 * textScale_);
  setFont(scaled);
  controls_.clear();
  // The old pages go once the event that asked for this has been handled: it
  // may come from one of their controls.
  std::array<QWidget*, app::kPanelTabs.size()> pages{};
  std::array<QRect, app::kPanelTabs.size()> used{};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    QWidget* old = widget(static_cast<int>(i));
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pages[i] = new QWidget(scroller);
    scroller->setWidget(pages[i]);
    {
      const QSignalBlocker quiet(this);
      removeTab(static_cast<int>(i));
      insertTab(static_cast<int>(i), scroller, QString::fromStdU16String(std::u16string(app::kPanelTabs[i])));
    }
    if (old != nullptr) {
      old->hide();
      old->deleteLater();
    }
  }
  for (const app::PanelControl& c : model.controls) {
    if (c.page < 0 || c.page >= static_cast<int>(pages.size())) continue;
    QWidget* w = makeControl(c, *pages[static_cast<std::size_t>(c.page)]);
    w->setGeometry(c.rect.left, c.rect.top, static_cast<int>(c.rect.width()), static_cast<int>(c.rect.height()));
    used[static_cast<std::size_t>(c.page)] |= w->geometry();
    showState(c, *w);
    // A control made on a page that is on screen stays hidden until told.
    w->show();
    controls_[c.id] = w;
  }
  for (std::size_t i = 0; i < pages.size(); ++i)
    pages[i]->setFixedSize(used[i].right() + 4 * textScale_, used[i].bottom() + 4 * textScale_);
  selectPage(model.page);
}

void SidePanel::refresh() {
  if (app_ == nullptr || controls_.empty()) return;
  const app::PanelModel model = app::buildPanel(*app_);
  for (const app::PanelControl& c : model.controls)
    if (QWidget* w = control(c.id)) showState(c, *w);
}

void SidePanel::selectPage(int page) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(page);
}

QWidget* SidePanel::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

QWidget* SidePanel::makeControl(const app::PanelControl& c, QWidget& page) {
  const int id = c.id;
  switch (c.kind) {
    case PushButton: {
      auto* button = new QPushButton(&page);
      connect(button, &QPushButton::clicked, [this, id] {
        if (id == app::kApplyToPlaylistButton) app::applySettingToPlaylist(*app_);
        else app_->onPanelCommand(id);
        backToBoard();
      });
      return button;
    }
    case RadioButton: {
      // Each tool is its own choice: the application says which one is checked.
      auto* radio = new QRadioButton(&page);
      radio->setAutoExclusive(false);
      connect(radio, &QRadioButton::clicked, [this, id] { panelCommand(id); });
      return radio;
    }
    case CheckBox: {
      auto* box = new QCheckBox(&page);
      connect(box, &QCheckBox::clicked, [this, id] { panelCommand(id); });
      return box;
    }
    case Edit: {
      auto* edit = new QLineEdit(&page);
      if (id == app::kLabelTextEdit) {
        connect(edit, &QLineEdit::textEdited,
                [this](const QString& text) { app::setLabelText(*app_, text.toStdU16String()); });
      } else {
        edit->setPlaceholderText(QStringLiteral("書体"));
        connect(edit, &QLineEdit::editingFinished,
                [this, edit] { app::setTypeface(*app_, edit->text().toStdU16String()); });
      }
      return edit;
    }
    case ReadOnlyText:
    case MultiLineText: {
      std::function<void()> opened;
      if (id == app::kMoveInfoText) opened = [this] { app::onMoveInfoPageDoubleClick(*app_); };
      return new InfoText(page, std::move(opened));
    }
    case SpinEdit: {
      auto* spin = new SettingSpin(page, [this, id] { app::selectSettingRow(*app_, id); });
      spin->setRange(c.low, c.high);
      spin->setSingleStep(c.step);
      // Typed digits apply with Enter or when the field is left; the arrows at once.
      spin->setKeyboardTracking(false);
      spin->setPrefix(qs(c.text) + u'：');
      connect(spin, &QSpinBox::valueChanged, [this, id](int value) { app::setSettingValue(*app_, id, value); });
      return spin;
    }
    case Choice: {
      // The label before the names, as a spin row carries it before its digits.
      auto* row = new QWidget(&page);
      auto* line = new QHBoxLayout(row);
      line->setContentsMargins(0, 0, 0, 0);
      line->addWidget(new QLabel(qs(c.text) + u'：', row));
      auto* names = new QComboBox(row);
      for (const std::u16string& name : c.choices) names->addItem(qs(name));
      const int low = c.low;
      connect(names, &QComboBox::activated, [this, id, low](int index) {
        app::setSettingValue(*app_, id, low + index);
        backToBoard();
      });
      line->addWidget(names, 1);
      return row;
    }
  }
  return new QWidget(&page);
}

// Signals stay quiet: this shows the application's state, it changes nothing.
void SidePanel::showState(const app::PanelControl& c, QWidget& widget) {
  const QSignalBlocker quiet(&widget);
  widget.setEnabled(c.enabled);
  const QString text = qs(c.text);
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(text);
    if (c.kind != PushButton) button->setChecked(c.checked);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    // The cursor of a field being typed in stays where it is.
    if (edit->text() != text) edit->setText(text);
  } else if (auto* info = qobject_cast<QPlainTextEdit*>(&widget)) {
    if (info->toPlainText() != text) info->setPlainText(text);
  } else if (auto* spin = qobject_cast<QSpinBox*>(&widget)) {
    spin->setValue(c.value);
  } else if (auto* names = widget.findChild<QComboBox*>()) {
    const QSignalBlocker quietNames(names);
    names->setCurrentIndex(c.value - c.low);
  }
}

void SidePanel::panelCommand(int id) {
  app_->onPanelCommand(id);
  backToBoard();
}

void SidePanel::backToBoard() { board_.setFocus(); }

}  // namespace mokuza::ui
