#include "predict/fillpredictfilelist.h"

#include <QComboBox>
#include <QDir>

#include <algorithm>

#include "foundation/jxfile.h"

void FillPredictFileList(QComboBox* combo, const AnsiString& current)
{
    static const QString extension = ".prd";
    combo->clear();
    const QDir folder(QString::fromStdString((GetAppPath() + "Predict").GetAnsi()));
    // The name is all before the extension, dots included ("ver2.1.prd" is "ver2.1").
    for (const QString& file : folder.entryList({"*" + extension}, QDir::Files, QDir::Name))
        combo->addItem(file.chopped(extension.size()));
    const int index = combo->findText(QString::fromStdString(current), Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(combo->count() > 0 ? std::max(index, 0) : -1);
}
