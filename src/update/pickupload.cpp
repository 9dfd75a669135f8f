#include "update/pickupload.h"

#include "foundation/jxerr.h"
#include "foundation/jxinet.h"
#include "foundation/jxstr.h"
#include "platform/messagebox.h"
#include "update/updatehost.h"

namespace {

constexpr int ShownReplyCharacters = 2000;

}  // namespace

void UploadPicks(const AnsiString& path, const AnsiString& text)
{
    JXInet inet;
    AnsiString reply;
    if (!inet.PostValue(WebHost(), path, "Text", text, reply)) {
        JXErr::Error(JXStr("UploadPicks: no answer from ") + WebHost() + "/" + path);
        return;
    }
    const JXStr answer(reply);
    const JXStr code = JXStr::SubStr(answer, 1, 1);
    if (code == "2")
        MessageBox("Ошибка записи файла, повторите позже", "Ошибка", MB_OK);
    else if (code == "3")
        MessageBox("Ошибка записи файла 3, повторите позже", "Ошибка", MB_OK);
    ShowMessage(JXStr::SubStr(answer, 1, ShownReplyCharacters));
}
