#include <QTest>
class T : public QObject { Q_OBJECT private slots: void none() {} };
QTEST_MAIN(T)
#include "ui_test.moc"
