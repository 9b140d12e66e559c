#pragma once

#include <cstdint>

// Window messages exchanged with the host. Parameter meanings (pointers are
// passed as integers; the typed helpers in HostApi.h do the casting):
//   PROJECT_SETTINGS   0, 0                          -> const ProjectSettings* or 0
//   APPLY_EDITED_LIST  CStepchainData*, const std::string* key
//   CAPTION_WANTED     const std::string* name, const std::string* type key -> nonzero: show
//   FEATURE_QUERY      const std::string* keyword, std::vector<std::string>* or 0
//                      -> bits 0x00FF0000 set when the feature is present
//   PICKER_REQUEST     PickerRequest*, editor window  -> 1: choice written
//   RENAME             (host to editor) RenameRecord* -> 0
//   MEMORY_LOOKUP      const std::string* name, int32_t* found -> memory type
//   REGISTER_MEMORY    const std::string* name, type
//   ACTION_LINK_REQUEST dialog, std::string* text     -> 1: target written
//   MEMORY_CHOSEN      edit, CVXMemNode*
//   NODE_LOADED        CVXMemNode*, 0
//   LAYER_SUPPORT      0, 0                           -> nonzero: layers
//   NODE_CLEARED       IPWObject* owner, 0
//   TRANSLATE_LINK     std::string* text, 0           (rewritten in place)
namespace hostmsg {
inline constexpr uint32_t PROJECT_SETTINGS = 0x2007;
inline constexpr uint32_t APPLY_EDITED_LIST = 0x200D;
inline constexpr uint32_t CAPTION_WANTED = 0x200E;
inline constexpr uint32_t FEATURE_QUERY = 0x2016;
inline constexpr uint32_t PICKER_REQUEST = 0x203D;
inline constexpr uint32_t RENAME = 0x203E;
inline constexpr uint32_t MEMORY_LOOKUP = 0x2045;
inline constexpr uint32_t REGISTER_MEMORY = 0x2046;
inline constexpr uint32_t ACTION_LINK_REQUEST = 0x2049;
inline constexpr uint32_t MEMORY_CHOSEN = 0x204B;
inline constexpr uint32_t NODE_LOADED = 0x204D;
inline constexpr uint32_t LAYER_SUPPORT = 0x2063;
inline constexpr uint32_t NODE_CLEARED = 0x2067;
inline constexpr uint32_t TRANSLATE_LINK = 0x2069;

// Feature query answers carry presence in these bits.
inline constexpr intptr_t FEATURE_PRESENT_MASK = 0x00FF0000;
}
