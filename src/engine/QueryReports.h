#pragma once

class BackendHost;

// What the sheet and pattern queries of every office show the user.
namespace QueryReports {

// Message 26 with the error icon: the document could not be read.
void showLoadMessage(BackendHost &host);

// The pattern sheet has an empty first cell: messages 32 and 33 with the warning icon,
// the sheet name and the sheet selection cleared; with a one-sheet pattern file the
// file is dropped and the pattern choice starts again.
void reportEmptyPattern(BackendHost &host);

} // namespace QueryReports
