// FormSplash: the window shown at start-up before the main window and again as the modal about
// window. It shows the logo, the titles, the version, the maker's web and e-mail links and the legal
// line, and closes at a click or key (as a splash also after 400 ms).
#pragma once
#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QTimer;

namespace zorvek {

class FormSplash : public QDialog {
    Q_OBJECT
  public:
    enum class Use { Splash, About };

    // Loads the window: texts in the current UiLanguage; as a splash, Timer1 starts.
    explicit FormSplash(Use use, QWidget* parent = nullptr);

    // Splash use: shows the window without waiting. showMainWindow runs once, when Timer1 fires
    // (before the splash closes) or when the splash closes for any other reason.
    void StartSplash(std::function<void()> showMainWindow);
    // About use: a modal window until a click or key.
    static void ShowAbout(QWidget* parent);

    // The logo drawn at the given size: a small McCabe-Thiele staircase.
    static QPixmap DrawLogo(int width, int height);

    std::array<QLabel*, 1> Image1{};
    QLabel* LblTIT1 = nullptr;
    QLabel* LblTIT2 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* LblWEB = nullptr;
    QLabel* LlblMAIL = nullptr;
    QLabel* LblLEGAL = nullptr;
    QTimer* Timer1 = nullptr;

    void LblWEB_Click();
    void LlblMAIL_Click();
    // Closes the window, showing the main window first when it is a splash.
    void CloseSplash();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void Timer1_Timer();
    void ShowMainWindowOnce();

    Use use_;
    std::function<void()> showMainWindow_;
    bool mainWindowShown_ = false;
};

} // namespace zorvek
