#include "records/OrgEditDlg.h"

#include "records/OrgObject.h"

void TOrgEditDlg::SetOrg(TOrgObject& org) {
    LoadRecord(org, org.PrimaryTitles());
}
