#pragma once

// The icon of a message box: error for refusals caused by the installation or the
// file type, warning for missing or wrong choices, information for plain notices.
enum class MessageIcon { Information, Warning, Error };
