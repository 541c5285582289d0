// The floor of start-up for a window that shows this much text: a Qt 6 Widgets window the
// size of the calculator's main window (887 x 371 pixels) holding what it shows in text,
// 47 push buttons with short captions and one label, in the Tahoma face (found where the
// calculator finds it), laid out as the calculator lays them out. Any Qt program showing
// this much text pays at least this much: the font database, the face, the style's
// buttons. Nothing else (no data file, no gradient, no animation).
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            if (QFile::exists(QString::fromLatin1(file)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
    QWidget window;
    window.resize(887, 371);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.96);  // 7 points scaled by 1.28, as the calculator's buttons
    // Twips on the design canvas, scaled by 1.28, at 15 twips a pixel.
    auto px = [](double twips) { return static_cast<int>(twips * 1.28 / 15 + 0.5); };
    auto add = [&](const QString& caption, double left, double top, double width, double height) {
        auto* button = new QPushButton(caption, &window);
        button->setFont(font);
        button->setGeometry(px(left), px(top), px(width), px(height));
    };
    const QString keys = QStringLiteral("7410852.963C/x-+<=()");
    for (int k = 0; k < 20; ++k)
        add(keys.mid(k, 1), 480 * (k / 4 + 1) - 300, 565 * (k % 4 + 1), 450, 500);
    const char* conversions[] = {
        "NM > SM",     "SM > NM",     "NM,kt > km",   "km > NM/kt",   "Feet > m",    "Metres > ft",
        "US gal > L",  "L > US gal",  "Imp. gal > L", "L > Imp. gal", "Lb > kg",     "Kilos > lb",
        "inch Hg>hPa", "hPa>inch Hg", "Avgas gal>lb", "Jet gal > lb", "Celsius > F", "F-Celsius"};
    for (int m = 0; m < 18; ++m)
        add(QString::fromLatin1(conversions[m]), 1570 * (m / 6 + 1) + 1070, 370 * (m % 6) + 190,
            1500, 350);
    const char* formulas[] = {"Altimeter", "True Airspeed", "Density Alt", "Xcntry", "Look Up",
                              "Dew Point", "Crosswind",     "Hdg and GS",  "Wind"};
    for (int i = 0; i < 9; ++i) {
        if (i < 5)
            add(QString::fromLatin1(formulas[i]), 2000 * i + 180, 3240, 1920, 500);
        else
            add(QString::fromLatin1(formulas[i]), 1790 * (i - 5) + 180, 2800, 1720, 400);
    }
    auto* display = new QLabel(QStringLiteral("0"), &window);
    display->setFont(font);
    display->setGeometry(px(180), px(100), px(9950), px(350));
    window.show();
    return QApplication::exec();
}
