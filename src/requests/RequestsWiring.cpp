#include "requests/RequestsWiring.h"

#include "app/MainWindow.h"
#include "requests/NumberingDialog.h"
#include "requests/RequestEditor.h"
#include "requests/RequestListWindow.h"

#include <QPointer>

namespace kovara {

void installRequests(MainWindow *mainWindow)
{
    QPointer<RequestListWindow> list = new RequestListWindow;
    auto *editor = new RequestEditor(list);
    list->setNumberingDialog(new NumberingDialog(list));
    list->setEditor([editor](int kind, bool modify, RequestRecord &record) {
        return editor->Execute(kind, modify ? RequestEditor::Modify : RequestEditor::New, record);
    });
    mainWindow->setRequestListHandler([list] {
        if (list)
            list->Open();
    });
}

} // namespace kovara
