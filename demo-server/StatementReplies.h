#pragma once

#include <string>

#include "demo-server/ClientStatements.h"

// Replies to the change endpoints, in Windows-1252 (QueryReply writes those of the queries).

// The rows changed and, for an insert, OutParams with NewID (and NewIDbis) in place of the
// placeholders.
std::string changeReplyDocument(const ChangeResult& result);
