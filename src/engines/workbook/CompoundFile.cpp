// libgsf's headers first: they must not meet Qt's keyword macros.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include "engines/workbook/CompoundFile.h"

#include "base/Error.h"

#include <QDir>
#include <memory>

namespace kovara::biff {
namespace {

struct Unref
{
    void operator()(void *object) const
    {
        if (object)
            g_object_unref(object);
    }
};
template <typename T> using GPtr = std::unique_ptr<T, Unref>;

void initGsf()
{
    static const bool done = (gsf_init(), true);
    Q_UNUSED(done);
}

Error unreadable(const QString &fileName)
{
    return Error(QStringLiteral("Fisierul %1 nu este un registru de calcul Excel (nu are structura unui "
                                "document Office).")
                     .arg(QDir::toNativeSeparators(fileName)));
}

void readStorage(GsfInfile *storage, CompoundNode &node, const QString &fileName, int depth)
{
    if (depth > 32)
        throw unreadable(fileName);
    if (GSF_IS_INFILE_MSOLE(storage))
        gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(storage), node.clsid.data());
    const int count = gsf_infile_num_children(storage);
    for (int i = 0; i < count; ++i) {
        GPtr<GsfInput> child(gsf_infile_child_by_index(storage, i));
        if (!child)
            throw unreadable(fileName);
        CompoundNode entry;
        entry.name = QString::fromUtf8(gsf_input_name(child.get()));
        const bool isStorage =
            GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0;
        if (isStorage) {
            entry.storage = true;
            readStorage(GSF_INFILE(child.get()), entry, fileName, depth + 1);
        } else {
            const gsf_off_t size = gsf_input_size(child.get());
            if (size < 0 || size > (gsf_off_t(1) << 30))
                throw unreadable(fileName);
            entry.data.resize(qsizetype(size));
            if (size > 0 &&
                !gsf_input_read(child.get(), size_t(size), reinterpret_cast<guint8 *>(entry.data.data())))
                throw unreadable(fileName);
        }
        node.children.push_back(std::move(entry));
    }
}

void writeStorage(GsfOutfile *storage, const CompoundNode &node)
{
    if (GSF_IS_OUTFILE_MSOLE(storage))
        gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(storage), node.clsid.data());
    for (const CompoundNode &entry : node.children) {
        const QByteArray name = entry.name.toUtf8();
        GPtr<GsfOutput> child(gsf_outfile_new_child(storage, name.constData(), entry.storage));
        if (!child)
            throw Error(QStringLiteral("Registrul de calcul nu poate fi scris."));
        if (entry.storage)
            writeStorage(GSF_OUTFILE(child.get()), entry);
        else if (!entry.data.isEmpty())
            gsf_output_write(child.get(), size_t(entry.data.size()),
                             reinterpret_cast<const guint8 *>(entry.data.constData()));
        gsf_output_close(child.get());
    }
}

} // namespace

CompoundNode ReadCompoundFile(const QByteArray &bytes, const QString &fileName)
{
    initGsf();
    static const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    if (!bytes.startsWith(QByteArray::fromRawData(signature, 8)))
        throw unreadable(fileName);
    GPtr<GsfInput> input(
        gsf_input_memory_new(reinterpret_cast<const guint8 *>(bytes.constData()), bytes.size(), FALSE));
    GError *error = nullptr;
    GPtr<GsfInfile> root(gsf_infile_msole_new(input.get(), &error));
    if (error)
        g_error_free(error);
    if (!root)
        throw unreadable(fileName);
    CompoundNode node;
    node.storage = true;
    readStorage(root.get(), node, fileName, 0);
    return node;
}

QByteArray WriteCompoundFile(const CompoundNode &root)
{
    initGsf();
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    {
        GPtr<GsfOutfile> out(gsf_outfile_msole_new(sink.get()));
        if (!out)
            throw Error(QStringLiteral("Registrul de calcul nu poate fi scris."));
        writeStorage(out.get(), root);
        gsf_output_close(GSF_OUTPUT(out.get()));
    }
    if (!gsf_output_is_closed(sink.get())) // the compound file closes its sink itself
        gsf_output_close(sink.get());
    const guint8 *bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    const gsf_off_t size = gsf_output_size(sink.get());
    return QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size));
}

CompoundNode *FindStream(CompoundNode &root, const QString &name)
{
    for (CompoundNode &entry : root.children)
        if (!entry.storage && entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

} // namespace kovara::biff
