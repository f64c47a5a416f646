"""Reading built Windows images with pefile."""

import pathlib

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


def size_overhead(launcher, empty):
    """What the launcher adds to an empty program: {name: bytes}."""
    size = pathlib.Path(launcher).stat().st_size
    payloads = sum(len(data) for data in carried_packages(launcher).values())
    empty_size = pathlib.Path(empty).stat().st_size
    return {"launcher": size, "payloads": payloads, "empty": empty_size,
            "overhead": size - payloads - empty_size}
