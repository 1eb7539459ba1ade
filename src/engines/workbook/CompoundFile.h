#pragma once

// The compound file ("OLE2" structured storage) that holds a workbook: its
// tree of storages and streams, read whole from the file's bytes and written
// back whole. libgsf does the container's work.

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace kovara::biff {

struct CompoundNode
{
    QString name;
    bool storage = false;
    QByteArray data;                       // a stream's bytes
    std::vector<CompoundNode> children;    // a storage's entries, in file order
    std::array<unsigned char, 16> clsid{}; // a storage's class
};

// The root storage of a compound file. Fails (kovara::Error naming
// `fileName`) when the bytes are not a compound file.
CompoundNode ReadCompoundFile(const QByteArray &bytes, const QString &fileName);

// The bytes of a compound file holding `root`.
QByteArray WriteCompoundFile(const CompoundNode &root);

// The stream of `root` named `name`, compared without regard to case;
// nullptr when there is none.
CompoundNode *FindStream(CompoundNode &root, const QString &name);

} // namespace kovara::biff
