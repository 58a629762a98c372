// Placeholder so the Qt library has a source until the windows land.
namespace velmoro {
int UiPlaceholder() {
    return 0;
}
}  // namespace velmoro
