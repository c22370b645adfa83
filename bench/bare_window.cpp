#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Convertitore"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto *client = new QWidget;
    client->setFixedSize(350, 183);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
