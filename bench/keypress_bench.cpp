// Time from a key press in the source box to both boxes updated, in process.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "converter/Form1.h"
#include "platform/desktop_platform.h"
#include "app/identity.h"
#include "runtime/program.h"

namespace {

double medianMicroseconds(QLineEdit *source, QLineEdit *target, const QString &before, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        source->setText(before);
        const QString converted = target->text();
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(source, Qt::Key_4);
        const auto end = std::chrono::steady_clock::now();
        if (target->text() == converted || !source->text().endsWith(u'4')) {
            std::fprintf(stderr, "the key press did not convert\n");
            std::exit(1);
        }
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::ranges::nth_element(times, times.begin() + runs / 2);
    return times[runs / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Application application(runtime::makeToolkit(argc, argv, kValutrino));
    DesktopPlatform platform;
    Form1 form(platform);
    form.show();
    QWidget *window = nullptr;
    for (QWidget *frame : QApplication::topLevelWidgets())
        if (frame->objectName() == u"Form1")
            window = frame;
    if (!window || !QTest::qWaitForWindowActive(window))
        return 1;
    auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *text2 = window->findChild<QLineEdit *>(QStringLiteral("Text2"));

    // A long text that is still an amount: leading zeros before the digits.
    const QString longText = QString(10000 - 5, u'0') + QStringLiteral("19362");
    constexpr int kRuns = 1001;
    std::printf("key press, short amount:          median %8.1f us over %d presses\n",
                medianMicroseconds(text1, text2, QStringLiteral("19362"), kRuns), kRuns);
    std::printf("key press, 10,000-character text: median %8.1f us over %d presses\n",
                medianMicroseconds(text1, text2, longText, kRuns / 10), kRuns / 10);
    return 0;
}
