#include "preview/member_chapter.h"

#include "forms/app.h"
#include "forms/host.h"
#include "state/design_standing.h"

namespace pelzaro {

bool memberChapterReady(App& app) {
    return memberDesignStands(app.m) || refuseMemberChapter(app);
}

bool refuseMemberChapter(App& app) {
    showError(app.host(), "断面の計算をしてください。");
    return false;
}

}  // namespace pelzaro
