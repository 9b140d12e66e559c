#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/CStepchainData.h"
#include "tools/textform/FormError.h"

// The text form of an action list: a JSON document (UTF-8) that holds every
// stored field of every action, so that building it gives back exactly the
// bytes that storing the list gives. Its shape is in
// schema/stepchain-list.schema.json.
namespace textform {

// The document, one field a line, ending in a line feed.
std::string Dump(const CStepchainData& list);

// The list that a document describes; FormError when it describes none.
// Actions are set field by field, not loaded, so the host hears nothing.
std::unique_ptr<CStepchainData> Build(std::string_view text);

// Whether a file that begins with `head` may be a text form: whether,
// past a byte order mark and blanks, it begins with "{" (or holds only blanks so far).
bool MayBeTextForm(std::string_view head);

// The list when `bytes` are a text form, else null. They are one when they
// parse as a JSON object whose "format" is "stepchain-list": a leading "{"
// alone cannot tell, since a binary list of 123 actions starts with one.
// For bytes that start with "{" but are no text form, `whyNot` says why.
std::unique_ptr<CStepchainData> TryBuild(std::string_view bytes, std::string& whyNot);

}
