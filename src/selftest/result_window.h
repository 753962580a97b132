#pragma once
#include <QDialog>

class PageView;

// The result window "测试结果": the score table of the last page grading in a page
// view above a strip with the close picture. It has no state of its own: the
// self-test renders the table into it once the window is active.
class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);
    ~TForm15() override;

    PageView& page() { return *page_; }

    void FormActivate();
    void Image1Click();

signals:
    // The window has become the active one (again).
    void activated();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    PageView* page_ = nullptr;
};
