#include "Principal.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

// Numbers take the decimal separator of the user's regional settings.
class PrincipalLocaleTest : public QObject {
    Q_OBJECT
private slots:
    void resultsUseTheUsersSeparator() {
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        TFPrincipal w;
        w.findChild<QAction*>("OpCentre")->trigger();
        auto* field = w.findChild<QLineEdit*>("EdPosObj");
        field->setText(QStringLiteral("100"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(w.findChild<QLineEdit*>("EdPosIm")->text(), QStringLiteral("-33,3333333333333"));
        QCOMPARE(w.findChild<QLineEdit*>("EdAugm")->text(), QStringLiteral("-0,333333333333333"));
    }
};

int main(int argc, char* argv[]) {
    // Set before the application reads the user's settings.
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    PrincipalLocaleTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "PrincipalLocaleTest.moc"
