// Placeholder translation unit so the platform library always has one object.
namespace velda::platform {
int platformLibraryVersion() { return 1; }
}
