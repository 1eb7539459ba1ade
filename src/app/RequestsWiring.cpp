#include "app/RequestsWiring.h"

#include "app/MainWindow.h"
#include "base/Paths.h"
#include "documents/RequestForm.h"
#include "exports/RequestListExport.h"
#include "requests/ui/NumberingDialog.h"
#include "requests/ui/RequestEditor.h"
#include "requests/ui/RequestListWindow.h"
#include "shell/OpenDocument.h"

#include <QCoreApplication>
#include <QPointer>

namespace kovara {

void connectRequestListCommands(RequestListWindow *list)
{
    list->setRequestFormHandler(
        [](const Query &current) { ListRequestForm(DataDir(), CurrentRowFields(current)); });
    list->setExportHandler([](Query &rows) {
        ExportRequestList(ProgramDir(), rows,
                          ListExportHooks{[] { QCoreApplication::processEvents(); },
                                          [](const QString &path) { OpenDocument(path, ProgramDir()); }});
    });
}

void installRequests(MainWindow *mainWindow)
{
    QPointer<RequestListWindow> list = new RequestListWindow;
    auto *editor = new RequestEditor(list);
    list->setNumberingDialog(new NumberingDialog(list));
    list->setEditor([editor](int kind, bool modify, RequestRecord &record) {
        return editor->Execute(kind, modify ? RequestEditor::Modify : RequestEditor::New, record);
    });
    connectRequestListCommands(list);
    mainWindow->setRequestListHandler([list] {
        if (list)
            list->Open();
    });
}

} // namespace kovara
