#pragma once

#include <string>
#include <string_view>

// Where the server's time-out markers are looked for. A record's own values are the users' texts
// (a comment may well read "WAIT_TIMEOUT"): a marker there is no time-out, and taking it for one
// made every load of that record ask five times. So in a record document the values of the
// record's data elements are left out of the search; everything else is searched, and a reply
// that is not a record document of the kind asked for is searched whole.

// Which record document a URL asks for, by its endpoint.
enum class RecordReply {
    None,    // any other endpoint
    Vehicle, // "AxInfoVO": root "tVO"
    Client,  // "AxInfoCL": root "TVC", with the client's vehicles "TVeh"
};
RecordReply recordReplyOf(std::string_view url);

// The reply without the values of the data elements (children without child elements) of the
// record root and, for a client, of every "TVeh" item; the whole reply when the root is not there.
std::string markerSearchText(std::string_view reply, RecordReply record);
