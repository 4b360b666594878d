// The window's controls on top of Qt's widgets, and the program writes that
// raise their handlers the way the window's event chains rely on:
//
// - a handler raised by a program write runs at once, nested inside the
//   write, and the write returns only after it;
// - writing a text box's current text again runs nothing;
// - a cleared list has no selected entry, so selecting in a refilled list is
//   always a change;
// - a user's pick in a list runs its handler once, even for the entry that was
//   already selected; a program selection of another position runs it once;
// - setting an option button that was clear runs its handler with its index.
//
// Nothing here queues or delays: every handler runs synchronously.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "results/Diagram.h"

namespace brimsel::ui {

// The program's texts are UTF-8 in std::string and std::string_view.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Single-line text box. Typed characters pass KeyPress before they are
// inserted (KeyAscii 0 cancels); pasted text does not. The length limit holds
// for what the user types or pastes, never for program writes.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(QWidget* parent, int typedLengthLimit);

    std::function<void(std::int16_t& KeyAscii)> KeyPress;
    std::function<void()> GotFocus;
    std::function<void()> Change;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int typedLengthLimit_;
    // A click that brings the focus would otherwise move the caret and undo
    // the selection that GotFocus has just made.
    bool keepFocusSelection_ = false;
    int focusSelectionStart_ = 0;
    int focusSelectionLength_ = 0;
};

// Pick-only drop-down list.
class ListBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent);

    std::function<void()> Click;
};

// One member of an indexed group of option buttons.
class OptionButton : public QRadioButton {
    Q_OBJECT
  public:
    OptionButton(QWidget* parent, std::int16_t index);

    std::int16_t Index() const { return index_; }
    std::function<void(std::int16_t Index)> Click;

  private:
    std::int16_t index_;
};

// Label. One that sizes itself to its text keeps its Top and its Left, or its
// right edge when it is right-aligned; it moves left only where its text would
// otherwise run out of its container.
class Caption : public QLabel {
    Q_OBJECT
  public:
    Caption(QWidget* parent, bool autoSize);

    void SetText(const QString& text);
    bool AutoSize() const { return autoSize_; }

  private:
    bool autoSize_;
    std::optional<QRect> anchor_;
};

// A straight line between two points given in twips of its container.
class LineControl : public QWidget {
    Q_OBJECT
  public:
    explicit LineControl(QWidget* parent);

    void SetEnds(int x1, int y1, int x2, int y2);
    void SetX1(int x1) { SetEnds(x1, y1_, x2_, y2_); }
    void SetX2(int x2) { SetEnds(x1_, y1_, x2, y2_); }
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// Drawing surface that keeps what was drawn on it: the drawing lives in an
// image, so covering and uncovering the window shows it again unchanged, and
// only the next drawing replaces it.
//
// The image has the screen's own pixels: on a screen that scales the window
// (device pixel ratio 1.5, 2) it holds ratio times as many pixels each way and
// the drawing is made on that finer grid, not enlarged from the normal one.
// At ratio 1 a device pixel is a pixel of the layout.
class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingSurface(QWidget* parent);

    // Erases the whole drawing to the background colour.
    void Clear();
    // Paints commands given in twips of the surface, one-pixel lines, solid
    // fills, no antialiasing, each pixel replaced by the pen or fill colour.
    void Draw(const std::vector<DiagramCommand>& commands);
    // Width of a text in the surface's font, in pixels of the layout.
    int TextWidth(const QString& text) const;

    // The drawing in device pixels (ratio 1: the surface's size).
    const QImage& Image() const { return image_; }
    // Everything drawn since the last Clear, in drawing order.
    const std::vector<DiagramCommand>& Commands() const { return commands_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize DeviceSize() const;

    QImage image_;
    std::vector<DiagramCommand> commands_;
    // The device pixel ratio the image was made for.
    qreal ratio_ = 1;
};

// Program writes.
void WriteText(TextBox& box, const QString& text);
void ClearList(ListBox& list);
void SelectListIndex(ListBox& list, int index);
void SetOptionValue(OptionButton& button);

}  // namespace brimsel::ui
