#pragma once
// A screen of the game as a top-level window with the life cycle the game is
// built around: load once when created, activate each time it is shown,
// unload with a chance to cancel (the user closing the window, or code).
// Top and Left are in twips.
#include <QPixmap>
#include <QWidget>

#include "assets/Layouts.h"

namespace orv::ui {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const assets::ScreenSpec& spec, QWidget* parent = nullptr);
    ~Form() override;

    const assets::ScreenSpec& Spec() const { return spec_; }

    int Top() const;
    int Left() const;
    void SetTop(int twips);
    void SetLeft(int twips);

    // Shows the form modeless (runs Form_Activate) and gives it the focus.
    void ShowForm();
    // Unloads the form through Form_Unload; returns false when it was cancelled.
    bool Unload();
    bool IsUnloaded() const { return unloaded_; }

signals:
    void unloaded();

protected:
    virtual void Form_Activate() {}
    // Set cancel to keep the form open.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    void SetBackground(const QPixmap& picture) { background_ = picture; update(); }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const assets::ScreenSpec& spec_;
    QPixmap background_;
    bool unloaded_ = false;
};

}  // namespace orv::ui
