// The resource library has no operations of its own: Qt registers the compiled-in
// resources when the library is loaded. This translation unit only gives the
// library an object file besides its resources.
namespace {
[[maybe_unused]] constexpr char kLibraryName[] = "tesslet";
}
