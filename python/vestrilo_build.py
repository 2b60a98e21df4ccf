"""The build backend (PEP 517) of `pip install .` and `pip wheel .`.

It runs the project's CMake build for the interpreter that runs it: configure
the source tree for sys.executable, build the module's target, let
`cmake --install --component python` lay the package out, and pack that as a
wheel (PEP 427). What is built and installed is said once, in the CMake files;
the version is the one of CMakeLists.txt; the metadata comes from the [project]
table of pyproject.toml. Only the standard library is used, so the build needs
nothing from the network.
"""

import base64
import hashlib
import os
import pathlib
import subprocess
import sys
import sysconfig
import tempfile
import zipfile

ROOT = pathlib.Path(__file__).resolve().parent.parent


def _project():
    try:
        import tomllib
    except ImportError:  # Python before 3.11
        import tomli as tomllib
    with open(ROOT / "pyproject.toml", "rb") as f:
        return tomllib.load(f)["project"]


def _cmake(*args):
    subprocess.run([os.environ.get("CMAKE", "cmake"), *map(str, args)], check=True)


def _cache_value(build, name):
    prefix = name + ":"
    for line in (build / "CMakeCache.txt").read_text().splitlines():
        if line.startswith(prefix):
            return line.split("=", 1)[1]
    raise RuntimeError(name + " is not in the CMake cache")


def _build_package(build, staging):
    """Builds the package for this interpreter into staging/vestrilo; gives the version."""
    _cmake("-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release", "-DVESTRILO_TESTS=OFF",
           "-DVESTRILO_PYTHON=ON", "-DPython3_EXECUTABLE=" + sys.executable, "-DVESTRILO_PYTHON_INSTALL_DIR=.")
    jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL") or str(os.cpu_count() or 1)
    _cmake("--build", build, "--target", "vestrilo_python", "--parallel", jobs)
    _cmake("--install", build, "--component", "python", "--prefix", staging, "--strip")
    return _cache_value(build, "CMAKE_PROJECT_VERSION")


def _tag():
    """The wheel's tag for this interpreter: cp311-cp311-linux_x86_64 and the like."""
    version = "%d%d" % sys.version_info[:2]
    implementation = {"cpython": "cp", "pypy": "pp"}.get(sys.implementation.name, sys.implementation.name)
    soabi = sysconfig.get_config_var("SOABI") or ""
    if soabi.startswith("cpython-"):
        abi = "cp" + soabi.split("-")[1]
    else:
        abi = soabi.replace("-", "_").replace(".", "_") or "none"
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    return "%s%s-%s-%s" % (implementation, version, abi, platform)


def _metadata(project, version):
    lines = ["Metadata-Version: 2.1", "Name: " + project["name"], "Version: " + version]
    if "description" in project:
        lines.append("Summary: " + project["description"])
    if "requires-python" in project:
        lines.append("Requires-Python: " + project["requires-python"])
    lines += ["Requires-Dist: " + r for r in project.get("dependencies", [])]
    for extra, requirements in project.get("optional-dependencies", {}).items():
        lines.append("Provides-Extra: " + extra)
        lines += ['Requires-Dist: %s; extra == "%s"' % (r, extra) for r in requirements]
    return "\n".join(lines) + "\n"


def _record_hash(data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return "sha256=" + digest


def _write_wheel(path, files, dist_info):
    """files: (name in the wheel, bytes, executable) in order; the RECORD comes last."""
    record = []
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as wheel:
        for name, data, executable in files:
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.external_attr = (0o755 if executable else 0o644) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            wheel.writestr(info, data)
            record.append("%s,%s,%d" % (name, _record_hash(data), len(data)))
        record.append(dist_info + "/RECORD,,")
        info = zipfile.ZipInfo(dist_info + "/RECORD", date_time=(1980, 1, 1, 0, 0, 0))
        info.external_attr = 0o644 << 16
        wheel.writestr(info, "\n".join(record) + "\n")


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    project = _project()
    with tempfile.TemporaryDirectory(prefix="vestrilo-wheel-") as work:
        build, staging = pathlib.Path(work, "build"), pathlib.Path(work, "staging")
        version = _build_package(build, staging)
        files = []
        for source in sorted(staging.rglob("*")):
            if source.is_file():
                name = source.relative_to(staging).as_posix()
                files.append((name, source.read_bytes(), os.access(source, os.X_OK)))
    if not any(name.startswith("vestrilo/_vestrilo") for name, _, _ in files):
        raise RuntimeError("the CMake build installed no extension module")
    name = project["name"].replace("-", "_")
    tag = _tag()
    dist_info = "%s-%s.dist-info" % (name, version)
    wheel_info = "Wheel-Version: 1.0\nGenerator: vestrilo_build\nRoot-Is-Purelib: false\nTag: %s\n" % tag
    files += [(dist_info + "/METADATA", _metadata(project, version).encode(), False),
              (dist_info + "/WHEEL", wheel_info.encode(), False),
              (dist_info + "/top_level.txt", b"vestrilo\n", False)]
    filename = "%s-%s-%s.whl" % (name, version, tag)
    _write_wheel(pathlib.Path(wheel_directory, filename), files, dist_info)
    return filename
