#pragma once

#include <functional>

#include <QTabWidget>

// The page control: a change of page by the user is first offered to onChanging, which may refuse
// it, and then reported by onChange. Pages set by the program raise neither.
class PageControl : public QTabWidget {
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Goes to a page as a click on its tab does: asks first, then reports.
    void selectPageByUser(int index);

    // The next visible and enabled page from `index` in direction `step`, or -1.
    int neighbourPage(int index, int step) const;

    std::function<void(bool& allowChange)> onChanging;
    std::function<void()> onChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
