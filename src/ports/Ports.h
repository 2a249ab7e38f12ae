#pragma once

class MessagePort;
class FileDialogPort;
class ColorDialogPort;
class ShellPort;
class FontPort;
class OfficeDetectionPort;

// Every dialog and shell action the windows need, handed in as one bundle so that
// tests can replace each of them.
struct Ports
{
    MessagePort *messages = nullptr;
    FileDialogPort *files = nullptr;
    ColorDialogPort *colors = nullptr;
    ShellPort *shell = nullptr;
    FontPort *fonts = nullptr;
    OfficeDetectionPort *detection = nullptr;
};
