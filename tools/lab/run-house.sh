#!/usr/bin/env bash
# The lab on a real building: the KIT FZK house (IFC, from Debian's assimp-testmodels, installed
# here when missing) from the viewpoints in tools/scenes/data/house-views.txt, or orbiting it.
# Usage: bash tools/lab/run-house.sh [--orbit] [culling-lab options...] [OUTPUT-FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
house=/usr/share/assimp/models/IFC/AC14-FZK-Haus.ifc

if [[ ! -f $house ]]; then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    echo "run-house: installing assimp-testmodels (the house model, about 20 MB)" >&2
    "${sudo[@]}" apt-get update >&2
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends assimp-testmodels >&2
fi

views=(--views tools/scenes/data/house-views.txt) # run-lab.sh runs from the repository root
if [[ ${1:-} == --orbit ]]; then
    views=()
    shift
fi
exec bash "$root/tools/lab/run-lab.sh" --scene "$house" "${views[@]}" "$@"
