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
-1
6
face 2
smoothing 0
8
3
99999999999
face 3
smoothing 0
4294967295
7 1 2
5
face 4
smoothing 0
0
1
5
face 5
smoothing 0
0
5
4
face 6
smoothing 0
2
7
3
face 7
smoothing 0
2
6
7
face 8
smoothing 0
0
3
1
face 9
smoothing 0
0
2
3
face 10
smoothing 0
4
5
7
face 11
smoothing 0
4
7
6
