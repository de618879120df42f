// Appends N records to an archive as fast as it can: the second process of the concurrent
// append test.
#include "archive/RecordFile.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const RecordLayout layout(FieldEncoding::LengthPrefixed,
                              {{"Chi", 1}, {"Numero", 10}, {"Riempimento", 250}});
    RecordFile file(QString::fromLocal8Bit(argv[1]), layout);
    const QString who = QString::fromLocal8Bit(argv[2]);
    const int n = QByteArray(argv[3]).toInt();
    Record r(layout);
    r.setText(0, who);
    r.setText(2, QString(250, who.at(0)));
    for (int i = 0; i < n; ++i) {
        r.setText(1, QString::number(i));
        file.append(r);
    }
    return 0;
}
