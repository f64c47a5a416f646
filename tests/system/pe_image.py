"""Reading built Windows images with pefile."""

import pefile


def resources(image):
    """Every resource of a pefile.PE: {(type, name, language): bytes}."""
    found = {}
    if not hasattr(image, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for kind in image.DIRECTORY_ENTRY_RESOURCE.entries:
        for named in kind.directory.entries:
            for language in named.directory.entries:
                data = language.data.struct
                found[(str(kind.name), str(named.name), language.id)] = image.get_data(data.OffsetToData, data.Size)
    return found


def carried_packages(path):
    """The PKG resources of the image at |path|: {name: bytes}."""
    image = pefile.PE(str(path), fast_load=True)
    image.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    return {name: data for (kind, name, _), data in resources(image).items() if kind == "PKG"}
