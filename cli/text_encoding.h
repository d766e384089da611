#pragma once
// The conversions live in encoding/; this name stays for the callers that use it.
#include "encoding/text_encoding.h"
