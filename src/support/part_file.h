#pragma once
#include <QString>
#include <QTemporaryFile>

// A file beside target that becomes target only when it is complete; removed unless committed.
class PartFile {
public:
    // Throws KaivoraError when the folder takes no new file.
    explicit PartFile(const QString& target);
    QString path() const { return file_.fileName(); }
    // Replaces target in one step; the old file stays until then.
    void commit();

private:
    QTemporaryFile file_;
    QString target_;
};
