$pareto << EOD
0 "255" 2.1967 0.61426 82.739
0 "240" 2.0606 2.199 88.774
0 "200" 1.991 6.2972 92.974
0 "150" 1.9881 6.3324 95.65
0 "100" 2.006 6.36 97.62
0 "50" 1.9927 7.1231 99.545
0 "0" 1.9463 7.255 100
1 "255" 1.5082 0.33097 38.156
1 "240" 1.4807 0.4002 38.204
1 "200" 1.4704 1.8139 39.095
1 "150" 1.4574 2.8609 39.483
1 "100" 1.4737 3.2305 39.845
1 "50" 1.4618 3.4166 39.941
1 "0" 1.4752 3.5596 40.028
2 "64" 0.21053 0.94064 95.434
2 "128" 0.2307 0.41348 95.727
2 "256" 0.29172 0.028637 95.628
2 "640" 0.58682 0 95.393
2 "256-triangles" 0.41275 0.35489 99.726
2 "640-triangles" 0.69337 0 100
2 "256-2-threads" 0.33013 0.028637 95.628
2 "640-2-threads" 0.44986 0 95.393
2 "256-outlines" 0.42152 0 91.91
3 "640" 8.8242 0 65.228
3 "160" 2.7227 0.14476 68.672
4 "stop-and-wait" 22.288 0 100
4 "previous-frame" 21.967 4.1409 82.667
EOD
set terminal pngcairo size 1400,620 font ',10'
set output 'pareto.png'
set multiplot layout 1,2 title 'Culling-pass cost against what the pass gets wrong and what it removes (means over the angles; labels: configuration)'
set logscale x
set grid
set xlabel 'mean culling-pass cost (ms, log scale)'
set key outside bottom center horizontal
set bmargin 6
set yrange [0:*]
set offsets graph 0.02, graph 0.2, graph 0.05, 0
set ylabel 'mean false-cull share (% of the visible occludees)'
plot $pareto using ($1==0?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#c0392b' title 'hom', \
     $pareto using ($1==1?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#2471a3' title 'hom-conservative', \
     $pareto using ($1==2?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#229954' title 'cpu-depth', \
     $pareto using ($1==3?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#8e44ad' title 'gpu-hiz', \
     $pareto using ($1==4?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#d68910' title 'occlusion-query', \
     $pareto using 3:4:2 with labels offset char 0.6,0.6 left font ',8' notitle
set ylabel 'hideable occludees culled (% of those the occluders alone hide)'
plot $pareto using ($1==0?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#c0392b' title 'hom', \
     $pareto using ($1==1?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#2471a3' title 'hom-conservative', \
     $pareto using ($1==2?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#229954' title 'cpu-depth', \
     $pareto using ($1==3?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#8e44ad' title 'gpu-hiz', \
     $pareto using ($1==4?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#d68910' title 'occlusion-query', \
     $pareto using 3:5:2 with labels offset char 0.6,0.6 left font ',8' notitle
unset multiplot
unset logscale x
set offsets 0, 0, 0, 0
set bmargin
set datafile separator ','
set terminal pngcairo size 1900,720 font ',9'
set output 'culled-by-angle.png'
set multiplot title 'Occludees culled (top, of 640) and falsely culled (bottom, own axis) by fake camera angle'
set xrange [0:355]
set xtics 0,90,360
set mxtics 2
set grid
set key inside top left vertical opaque font ',7' samplen 1.5 spacing 0.85
set lmargin at screen 0.035789
set rmargin at screen 0.19579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel 'occludees'
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel 'false culls'
plot 'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.23579
set rmargin at screen 0.39579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom-conservative'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.43579
set rmargin at screen 0.59579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'cpu-depth'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-triangles' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '256-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-triangles' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '640-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '256-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-outlines' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '256-outlines'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-triangles' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '256-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-triangles' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '640-triangles', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '256-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640-2-threads', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-outlines' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '256-outlines'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '160'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '160'
set lmargin at screen 0.83579
set rmargin at screen 0.99579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'occlusion-query'
set xlabel ''
set format x ''
set yrange [0:661]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title 'previous-frame'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:103]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title 'previous-frame'
unset multiplot
unset title
set format x '%g'
unset xrange
set xtics autofreq
set lmargin
set rmargin
set tmargin
set bmargin
set autoscale y
set datafile separator whitespace
$cost180 << EOD
"draw-all" 0 0 0 0 9.9108
"oracle" 0 0 0 0 6.2656
"oracle-occluders" 0 0 0 0 7.9026
"hom 255" 1.8995 0.17749 0.48606 0 8.3996
"hom 240" 1.6944 0.16783 0.40388 0 8.0063
"hom 200" 1.6761 0.1439 0.43225 0 6.4168
"hom 150" 1.419 0.1342 0.46308 0 6.4168
"hom 100" 1.6934 0.14521 0.46579 0 5.8707
"hom 50" 1.7508 0.1461 0.46665 0 5.8245
"hom 0" 1.5494 0.13961 0.44971 0 5.8245
"hom-conservative 255" 1.4173 0.021018 0.077054 0.20075 8.4484
"hom-conservative 240" 1.3943 0.020107 0.074549 0.18529 8.4484
"hom-conservative 200" 1.3787 0.020578 0.074459 0.1749 7.3466
"hom-conservative 150" 1.5885 0.018545 0.07547 0.1695 6.9008
"hom-conservative 100" 1.3385 0.019696 0.072405 0.17001 6.7562
"hom-conservative 50" 1.3755 0.018185 0.071945 0.16294 6.7562
"hom-conservative 0" 1.3011 0.019516 0.072665 0.17293 6.7562
"cpu-depth 64" 0.000161 0.17722 0.050184 0 6.773
"cpu-depth 128" 3e-05 0.19535 0.051106 0 7.1273
"cpu-depth 256" 3e-05 0.26809 0.047589 0 7.3636
"cpu-depth 640" 4e-05 0.47188 0.067195 0 7.7446
"cpu-depth 256-triangles" 3e-05 0.20773 0.17115 0 7.1958
"cpu-depth 640-triangles" 4e-05 0.49226 0.23281 0 7.9026
"cpu-depth 256-2-threads" 4e-05 0.25694 0.044483 0 7.3636
"cpu-depth 640-2-threads" 4e-05 0.38508 0.05327 0 7.7446
"cpu-depth 256-outlines" 4e-05 0.2993 0.040235 0 8.0786
"gpu-hiz 640" 7.9865 0.52801 0.28905 0.20591 10.271
"gpu-hiz 160" 2.6908 0.037189 0.013595 0.16767 8.4509
"occlusion-query stop-and-wait" 7.324 14.098 0.031679 0 7.9026
"occlusion-query previous-frame" 0.05375 6.7674 13.631 0 7.7999
EOD
$cost225 << EOD
"draw-all" 0 0 0 0 11.509
"oracle" 0 0 0 0 6.1248
"oracle-occluders" 0 0 0 0 6.964
"hom 255" 1.5671 0.15682 0.38995 0 7.9233
"hom 240" 1.6498 0.13729 0.379 0 7.1335
"hom 200" 1.6422 0.1253 0.37568 0 7.1335
"hom 150" 1.6371 0.16071 0.48525 0 7.1335
"hom 100" 1.5999 0.1448 0.38061 0 6.6422
"hom 50" 1.5059 0.11807 0.3713 0 6.6422
"hom 0" 1.465 0.15175 0.48586 0 6.371
"hom-conservative 255" 1.4006 0.022081 0.081933 0.19916 8.481
"hom-conservative 240" 1.4771 0.019746 0.080701 0.18393 8.481
"hom-conservative 200" 1.2923 0.018013 0.077435 0.17104 8.5016
"hom-conservative 150" 1.4209 0.018154 0.066333 0.16368 8.5016
"hom-conservative 100" 1.3807 0.018734 0.068538 0.1714 8.7451
"hom-conservative 50" 1.3918 0.017924 0.077104 0.17388 8.9832
"hom-conservative 0" 1.4101 0.0213 0.072666 0.18155 8.4357
"cpu-depth 64" 0.000231 0.18699 0.043751 0 6.4572
"cpu-depth 128" 3e-05 0.17994 0.038231 0 6.4695
"cpu-depth 256" 4e-05 0.24772 0.047889 0 6.4695
"cpu-depth 640" 3.1e-05 0.52315 0.087803 0 6.6291
"cpu-depth 256-triangles" 3.1e-05 0.29751 0.10064 0 6.4455
"cpu-depth 640-triangles" 4e-05 0.47238 0.16009 0 6.964
"cpu-depth 256-2-threads" 0.00013 0.26165 0.049773 0 6.4695
"cpu-depth 640-2-threads" 0.00013 0.44408 0.079539 0 6.6291
"cpu-depth 256-outlines" 4.1e-05 0.35792 0.046827 0 6.6012
"gpu-hiz 640" 9.6881 0.56153 0.29706 0.20897 7.3705
"gpu-hiz 160" 3.1236 0.054461 0.014147 0.19366 7.3861
"occlusion-query stop-and-wait" 7.6763 15.369 0.031609 0 6.964
"occlusion-query previous-frame" 0.045034 6.6795 17.122 0 6.4698
EOD
$cost270 << EOD
"draw-all" 0 0 0 0 10.356
"oracle" 0 0 0 0 6.4174
"oracle-occluders" 0 0 0 0 7.7132
"hom 255" 1.2824 0.1565 0.41105 0 8.0032
"hom 240" 1.3179 0.13884 0.42953 0 7.9229
"hom 200" 1.1208 0.13758 0.44241 0 6.3184
"hom 150" 1.3328 0.11851 0.37361 0 6.1802
"hom 100" 1.2811 0.14267 0.46294 0 6.8825
"hom 50" 1.5289 0.12295 0.44458 0 5.6418
"hom 0" 1.2609 0.13371 0.38384 0 5.6418
"hom-conservative 255" 1.06 0.023473 0.074719 0.17936 8.2226
"hom-conservative 240" 1.1543 0.018444 0.059241 0.16721 8.2226
"hom-conservative 200" 1.2943 0.019747 0.06991 0.16903 7.5214
"hom-conservative 150" 1.0856 0.020279 0.071163 0.15107 7.4821
"hom-conservative 100" 0.99914 0.019497 0.072936 0.16341 6.9462
"hom-conservative 50" 0.98722 0.018865 0.073146 0.16238 6.9462
"hom-conservative 0" 1.0854 0.017011 0.068348 0.15265 6.9462
"cpu-depth 64" 0.000151 0.12063 0.040416 0 6.7312
"cpu-depth 128" 4e-05 0.16195 0.056946 0 7.037
"cpu-depth 256" 4e-05 0.18143 0.042309 0 7.909
"cpu-depth 640" 3e-05 0.37096 0.070331 0 7.173
"cpu-depth 256-triangles" 0.000131 0.17875 0.21222 0 6.9484
"cpu-depth 640-triangles" 0.00012 0.33199 0.19883 0 7.7132
"cpu-depth 256-2-threads" 0.000111 0.21653 0.044192 0 7.909
"cpu-depth 640-2-threads" 0.00011 0.32411 0.056475 0 7.173
"cpu-depth 256-outlines" 0.00011 0.27393 0.040927 0 8.8235
"gpu-hiz 640" 7.2501 0.50331 0.25969 0.22522 10.308
"gpu-hiz 160" 2.0807 0.036919 0.013234 0.16879 9.6399
"occlusion-query stop-and-wait" 5.8847 14.652 0.036047 0 7.7132
"occlusion-query previous-frame" 0.046456 4.9409 13.04 0 8.1102
EOD
set terminal pngcairo size 1400,1140 font ',9'
set output 'frame-cost.png'
set multiplot layout 3,1 title 'Culled frame: the culling pass stage by stage, then drawing the survivors and occluders (medians)'
set style data histograms
set style histogram rowstacked
set style fill solid 0.85 border -1
set boxwidth 0.75
unset xlabel
set grid ytics
set xtics rotate by -35 font ',8'
set yrange [0:*]
set ylabel 'milliseconds'
set key outside right top vertical
set lmargin 9
set rmargin 22
set bmargin 9
set title 'fake camera at 180 degrees'
plot $cost180 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost180 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost180 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost180 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost180 using 6 lc rgb '#bbbbbb' title 'drawing', 8.6929 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 225 degrees'
plot $cost225 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost225 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost225 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost225 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost225 using 6 lc rgb '#bbbbbb' title 'drawing', 7.6604 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 270 degrees'
plot $cost270 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost270 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost270 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost270 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost270 using 6 lc rgb '#bbbbbb' title 'drawing', 8.4845 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
unset multiplot
