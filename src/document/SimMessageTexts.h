// The message texts of a running simulation as the controller's display would choose them:
// their order by priority (the message-text slot; the higher slot wins), which of them are
// active, what changed in the last scan, and which page the display shows next. No windows:
// the view's message-text pass and the display sheet ask these.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CBlockMSGTEXT;
class CBlockObj;
class CVetlaDoc;

// Why the display is asked to choose its page.
constexpr int MSGTEXT_EVENT_ON = 1;
constexpr int MSGTEXT_EVENT_OFF = 2;

// The message's priority: its message-text slot.
int MessageTextPriority(const CBlockObj& block);
// The page title of a priority: the slot written in decimal; a message without a valid slot
// (a damaged file) has the title "-".
CString MessageTextPageTitle(int nPriority);
// The document's message texts in ascending priority; equal priorities keep document order.
std::vector<CBlockMSGTEXT*> MessageTextsByPriority(const CVetlaDoc& doc);
// The message is on, or has been shown and waits for its acknowledgement.
BOOL IsMessageTextActive(const CBlockMSGTEXT& block);
BOOL AnyMessageTextActive(const CVetlaDoc& doc);

// What the last scan changed: the first message (in list order) whose enable input changed to
// on, or else the number of the last one that went off (-1 for none).
struct MessageTextChange {
    CBlockMSGTEXT* pCameOn = nullptr;
    int nWentOff = -1;
};
// Reads the change; a message that came on is marked as shown: its display is refreshed and,
// when it asks for an acknowledgement, it now waits for it.
MessageTextChange TakeMessageTextChange(CVetlaDoc& doc);

// The page to show after a message came on (MSGTEXT_EVENT_ON) or went off (MSGTEXT_EVENT_OFF):
// pages holds the block number of each page in page order, nActive the shown page. Returns the
// index of the page to show, or nActive when the shown page stays. A message that comes on is
// shown when no active message has a higher priority (on equal priority the later page wins); a
// message that goes off hands its place to the highest active one only while its own page is
// shown and it does not wait for an acknowledgement.
int ChooseShownMessagePage(const CVetlaDoc& doc, const std::vector<int>& pages, int nActive, int nBlockNumber,
                           int nEvent);
