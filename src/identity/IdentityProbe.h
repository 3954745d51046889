// Routines that describe the machine the program runs on.
#pragma once

#include <cstdint>

#include "platform/base/strings.h"
#include "services/host_identity.h"

// The text between the first start marker and the next end marker, searched
// from the second character after the start marker; empty when either is
// missing.
AnsiString GetMidStr(const AnsiString& source, const AnsiString& startMarker, const AnsiString& endMarker);

// Two upper-case hex digits.
AnsiString ByteToHex(std::uint8_t value);

// The MD5 digest of the text's bytes as 32 upper-case hex digits.
AnsiString GetMD5Str(const AnsiString& text);

// The last IPv4 address of the resolver's list for the host name; empty when
// the name does not resolve.
AnsiString GetLocalIP();

// Six upper-case hex pairs, joined by "-" when `separators` is true:
// 00-1A-2B-3C-4D-5E or 001A2B3C4D5E.
AnsiString MacAddressText(const services::HardwareAddress& address, bool separators);

// The MAC text of the adapter that identifies the machine (a physical up
// interface first, see services::FirstAdapterAddress); empty when there is none.
AnsiString GetMacAddress(bool separators);

// The host name; empty when the system gives none.
AnsiString GetComputerNameStr();

// The address on the public-address page: the text between "[" and "]"
// inside the page's centre block; empty when a marker is missing.
AnsiString ScrapePublicAddress(const AnsiString& page);

// The public address once the lookup switch has been read: "127.0.0.1" when
// the switch value is empty (no request is made), otherwise the address on
// the page "/ic.asp" of `host`, or the empty text when the request or the
// scraping fails. Blocks until the request completes.
AnsiString PublicAddressForSwitch(const AnsiString& switchValue, const AnsiString& host);

// The machine's public address: the dictionary switch "1024"/"10" read on
// Fm_Data->ADOProc_Temp, then PublicAddressForSwitch with the deployment's
// public-address host. Any failure gives the empty text.
AnsiString GetWanIP();
