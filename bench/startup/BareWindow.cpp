// The yardstick of the start-up benchmark: a QMainWindow as large as our main
// window, client area and menu bar alike, shown and left alone. Built in the
// same configuration as the program, so what remains of the difference is
// what our program does on top of Qt.

#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

namespace {

// The main window's client area, 10395 by 7275 twips at 15 twips to the
// pixel, rounded the same way as the program's layout.
constexpr int kClientWidth = (10395 + 7) / 15;
constexpr int kClientHeight = (7275 + 7) / 15;

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    QMainWindow window;
    // The program's window font (Liberation Sans standing in for MS Sans Serif
    // at 11 pixels) sets the height of its menu bar; the same font here gives
    // the same height.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    window.setFont(font);

    auto* client = new QWidget(&window);
    client->setFixedSize(kClientWidth, kClientHeight);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setFixedSize(client->width(), client->height() + window.menuBar()->sizeHint().height());
    window.show();

    return application.exec();
}
