#include "members/open_member_page.h"

namespace pelzaro {

void openMemberDesignPage(App&) {}

}  // namespace pelzaro
