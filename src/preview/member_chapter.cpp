#include "preview/member_chapter.h"

#include "forms/app.h"
#include "forms/host.h"
#include "state/design_standing.h"

namespace pelzaro {

bool memberChapterReady(App& app) {
    if (memberDesignStands(app.m)) return true;
    showError(app.host(), "断面の計算をしてください。");
    return false;
}

}  // namespace pelzaro
