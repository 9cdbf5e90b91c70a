#include "savefilename.h"

#include <QFileDialog>
#include <QFileInfo>

QString askSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                        const QString& filter) {
    QString fileName = QFileDialog::getSaveFileName(parent, title, suggested, filter);
    const QString extension = QFileInfo(suggested).suffix();
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty() && !extension.isEmpty())
        fileName += u'.' + extension;
    return fileName;
}
