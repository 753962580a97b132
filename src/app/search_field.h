#pragma once
#include <QLineEdit>

class PictureButton;

// The search field at the right end of the page bar. Where the bar leaves it room
// right of the page tools it stands there; where it does not (the window at its normal
// size), a small picture stands in its place and the field opens over the tools while
// it has the focus. Enter asks for a search, Esc clears the text.
class SearchField : public QLineEdit {
    Q_OBJECT
public:
    // The bar's right end from here on is free of pictures.
    static constexpr int kFreeLeft = 732;
    static constexpr int kWidth = 240;
    static constexpr int kMinWidth = 150;

    explicit SearchField(QWidget* bar);

    // Ctrl+F: the field opens, takes the focus and selects its text.
    void focusForSearch();
    // True while the bar is too narrow for the field to stand open.
    bool compact() const { return compact_; }
    PictureButton* opener() const { return opener_; }

signals:
    void searchRequested(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void place();

    PictureButton* opener_;
    bool compact_ = false;
};
