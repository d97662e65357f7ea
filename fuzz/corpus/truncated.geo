GEOMETRY
format 1
cube
1 1 1
material default
shading flat
rotation 0 0 0
0 0 0
pivot 0 0 0
bounds box
8
v0 -68 -68 -68
v1 68 -68 -68
v2 -68 68 -68
v3 68 68 -68
v4 -68 -68 68
v5 68 -68 68
v6 -68 68 68
v7 68 68 68
faces 12
face 0
smoothing 0
0
6
2
face 1
smoothing 0
0
4
6
face 2
smoothing 0
1
3
7
face 3
smoothing 0
1
7
5
face 4
smoothing 0
0
1
5
