#include "ui/Controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "ui/Appearance.h"
#include "ui/Layout.h"

namespace brimsel::ui {

namespace {

constexpr std::int16_t kBackspace = 8;
// Pixels kept free inside a container's right edge, clear of a frame's border.
constexpr int kContainerInset = 3;

// Refuses any edit by the user that would make the text longer than the
// limit. Qt validates user edits only, so program writes keep their length.
class LengthLimit : public QValidator {
  public:
    LengthLimit(QObject* parent, int limit) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() > limit_ ? Invalid : Acceptable;
    }

  private:
    int limit_;
};

// The character code a key press types, if it types one: printable characters
// and backspace. Editing and shortcut keys (arrows, Delete, Ctrl+V) type none.
std::optional<std::int16_t> TypedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace &&
        !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return kBackspace;
    }
    const QString text = event.text();
    if (text.size() != 1 || !text.at(0).isPrint()) return std::nullopt;
    // Codes above 0x7FFF come out negative, as the 16-bit key code has it.
    return static_cast<std::int16_t>(text.at(0).unicode());
}

}  // namespace

TextBox::TextBox(QWidget* parent, int typedLengthLimit)
    : QLineEdit(parent), typedLengthLimit_(typedLengthLimit) {
    setValidator(new LengthLimit(this, typedLengthLimit));
    // Composed input would reach the text without passing KeyPress.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (Change) Change();
    });
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const std::optional<std::int16_t> typed = TypedCharacter(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    std::int16_t keyAscii = *typed;
    if (KeyPress) KeyPress(keyAscii);
    if (keyAscii == 0) {
        event->accept();
        return;
    }
    if (keyAscii != kBackspace && text().size() - selectedText().size() >= typedLengthLimit_) {
        event->accept();
        return;
    }
    if (keyAscii == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler typed another character in place of this one.
    const QChar replacement(static_cast<char16_t>(keyAscii));
    QKeyEvent replaced(event->type(), keyAscii == kBackspace ? Qt::Key_Backspace : Qt::Key_unknown,
                       Qt::NoModifier, QString(replacement));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back from a popup of its own (context menu, list) is not a new focus.
    if (event->reason() == Qt::PopupFocusReason) return;
    if (GotFocus) GotFocus();
    keepFocusSelection_ = event->reason() == Qt::MouseFocusReason;
    focusSelectionStart_ = hasSelectedText() ? selectionStart() : cursorPosition();
    focusSelectionLength_ = static_cast<int>(selectedText().size());
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (keepFocusSelection_ && event->button() == Qt::LeftButton) {
        setSelection(focusSelectionStart_, focusSelectionLength_);
    } else {
        keepFocusSelection_ = false;
    }
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    // Until the focusing click is released, a jitter must not turn into a drag.
    if (keepFocusSelection_) return;
    QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (std::exchange(keepFocusSelection_, false)) {
        setSelection(focusSelectionStart_, focusSelectionLength_);
    }
}

ListBox::ListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    // With a placeholder Qt leaves a refilled list without a selection instead
    // of selecting its first entry by itself; a blank shows as an empty box.
    setPlaceholderText(QStringLiteral(" "));
    connect(this, &QComboBox::activated, this, [this](int) {
        if (Click) Click();
    });
}

OptionButton::OptionButton(QWidget* parent, std::int16_t index)
    : QRadioButton(parent), index_(index) {
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && Click) Click(index_);
    });
}

Caption::Caption(QWidget* parent, bool autoSize) : QLabel(parent), autoSize_(autoSize) {}

void Caption::SetText(const QString& text) {
    setText(text);
    if (!autoSize_) return;
    // The place the label had before its first text is its place in the layout.
    if (!anchor_) anchor_ = geometry();
    resize(sizeHint());
    // A right-aligned label ends where the layout has it, so that it still
    // reads as one phrase with whatever stands to its right.
    int left =
        (alignment() & Qt::AlignRight) ? anchor_->x() + anchor_->width() - width() : anchor_->x();
    // A text that would run out of its container (a long error message) is
    // moved left just enough to be read whole.
    if (const QWidget* container = parentWidget()) {
        const int room = container->width() - kContainerInset;
        if (left + width() > room) left = std::max(0, room - width());
    }
    move(left, anchor_->y());
}

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::SetEnds(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const QPoint a = PxPoint(x1, y1);
    const QPoint b = PxPoint(x2, y2);
    setGeometry(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                      QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))));
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink = palette().color(QPalette::WindowText);
    // On a scaled screen a level or upright line is its widget's whole area:
    // at a ratio of 1.5 the one-pixel pen would fall outside the line's
    // one-pixel-high widget and the line would not show at all.
    if (devicePixelRatioF() != 1 && (x1_ == x2_ || y1_ == y2_)) {
        painter.fillRect(rect(), ink);
        return;
    }
    painter.setPen(QPen(ink, 1));
    const QPoint origin = pos();
    painter.drawLine(PxPoint(x1_, y1_) - origin, PxPoint(x2_, y2_) - origin);
}

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// Twips to device pixels, to the nearest. At ratio 1 exactly the layout's own
// conversion, so that the normal drawing keeps every pixel.
int DevicePx(int twips, qreal ratio) {
    if (ratio == 1) return Px(twips);
    return static_cast<int>(std::lround(twips * ratio / kTwipsPerPixel));
}

QPoint DevicePoint(int xTwips, int yTwips, qreal ratio) {
    return QPoint(DevicePx(xTwips, ratio), DevicePx(yTwips, ratio));
}

// The surface's font at the device's pixel size, for drawing into the image.
QFont DeviceFont(QFont font, qreal ratio) {
    if (ratio != 1) {
        if (font.pixelSize() > 0) {
            font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * ratio)));
        } else {
            font.setPointSizeF(font.pointSizeF() * ratio);
        }
    }
    // The colours stay exact only without smoothing, for text as for lines.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

QSize DrawingSurface::DeviceSize() const {
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1) return size();
    return QSize(static_cast<int>(std::lround(width() * ratio)),
                 static_cast<int>(std::lround(height() * ratio)));
}

void DrawingSurface::Clear() {
    if (image_.size() != DeviceSize() || ratio_ != devicePixelRatioF()) {
        ratio_ = devicePixelRatioF();
        image_ = QImage(DeviceSize(), QImage::Format_RGB32);
    }
    image_.fill(palette().color(QPalette::Window));
    commands_.clear();
    update();
}

void DrawingSurface::Draw(const std::vector<DiagramCommand>& commands) {
    if (image_.size() != DeviceSize() || ratio_ != devicePixelRatioF()) Clear();
    commands_.insert(commands_.end(), commands.begin(), commands.end());
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setFont(DeviceFont(font(), ratio_));
    for (const DiagramCommand& c : commands) {
        const QColor pen = colours::InkColour(c.Pen, palette());
        const QPoint a = DevicePoint(c.X1, c.Y1, ratio_);
        const QPoint b = DevicePoint(c.X2, c.Y2, ratio_);
        switch (c.What) {
            case DiagramCommand::Kind::Text: {
                painter.setPen(pen);
                const QRect box(a, QSize(image_.width() * 2, image_.height() * 2));
                painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                 FromUtf8(c.Text));
                break;
            }
            case DiagramCommand::Kind::Line:
                painter.setPen(QPen(pen, 1));
                painter.drawLine(a, b);
                break;
            case DiagramCommand::Kind::Box: {
                const QRect filled = QRect(a, b).normalized();
                painter.fillRect(filled, colours::InkColour(c.Fill, palette()));
                painter.setPen(QPen(pen, 1));
                painter.setBrush(Qt::NoBrush);
                // A one-pixel outline covers width + 1 pixels, so draw it one short.
                painter.drawRect(filled.adjusted(0, 0, -1, -1));
                break;
            }
        }
    }
    update();
}

int DrawingSurface::TextWidth(const QString& text) const {
    return fontMetrics().horizontalAdvance(text);
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        return;
    }
    if (ratio_ == 1) {
        painter.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // The same pixels, told their ratio, land one to one on the device's.
    QImage shown = image_;
    shown.setDevicePixelRatio(ratio_);
    painter.drawImage(QPointF(0, 0), shown);
}

void WriteText(TextBox& box, const QString& text) {
    if (box.text() == text) return;
    box.setText(text);
}

void ClearList(ListBox& list) {
    const QSignalBlocker quiet(list);
    list.clear();
}

void SelectListIndex(ListBox& list, int index) {
    if (index == list.currentIndex()) return;
    {
        const QSignalBlocker quiet(list);
        list.setCurrentIndex(index);
    }
    if (list.Click) list.Click();
}

void SetOptionValue(OptionButton& button) {
    if (button.isChecked()) return;
    {
        const QSignalBlocker quiet(button);
        button.setChecked(true);
    }
    if (button.Click) button.Click(button.Index());
}

}  // namespace brimsel::ui
