#pragma once
// The report's member chapter (pages 5 to 9) prints what the member page computed, so it is
// printed and previewed only while the member design stands: "応力度計算" has run on the
// stability result that stands, and no edit has withdrawn either since. Otherwise the chapter
// would mix the stability result of now with member forces and stresses of before.

namespace pelzaro {

class App;

// True while the member chapter can be drawn; otherwise the user is asked to run the member
// design ("断面の計算をしてください。") and false is returned.
bool memberChapterReady(App& app);
// Asks the user to run the member design ("断面の計算をしてください。"); always false, for a way
// to the member chapter that is refused.
bool refuseMemberChapter(App& app);

}  // namespace pelzaro
