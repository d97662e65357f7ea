$pareto << EOD
0 "255" 2.3296 0.61426 82.739
0 "240" 2.1168 2.199 88.774
0 "200" 2.0742 6.2972 92.974
0 "150" 2.071 6.3324 95.65
0 "100" 2.0242 6.36 97.62
0 "50" 1.9883 7.1231 99.545
0 "0" 2.0061 7.255 100
1 "255" 1.4225 0.33097 38.156
1 "240" 1.4011 0.4002 38.204
1 "200" 1.3553 1.8139 39.095
1 "150" 1.346 2.8609 39.483
1 "100" 1.3442 3.2305 39.845
1 "50" 1.3495 3.4166 39.941
1 "0" 1.3569 3.5596 40.028
2 "64" 0.3873 0.94064 95.434
2 "128" 0.39873 0.41348 95.727
2 "256" 0.48715 0.028637 95.628
2 "640" 0.97079 0 95.393
2 "256-triangles" 0.6403 0.35489 99.726
2 "640-triangles" 1.0946 0 100
2 "256-2-threads" 0.52257 0.028637 95.628
2 "640-2-threads" 0.92236 0 95.393
3 "640" 11.227 0 65.228
3 "160" 3.0501 0.14476 68.672
4 "stop-and-wait" 32.728 0 100
4 "previous-frame" 33.107 4.1409 82.667
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
set yrange [0:660]
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
set yrange [0:660]
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
set yrange [0:660]
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
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640-2-threads'
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
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640-2-threads'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:660]
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
set yrange [0:660]
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
"draw-all" 0 0 0 0 14.845
"oracle" 0 0 0 0 10.012
"oracle-occluders" 0 0 0 0 13.827
"hom 255" 1.8128 0.14995 0.42688 0 13.181
"hom 240" 1.9181 0.15256 0.39357 0 14.694
"hom 200" 1.6409 0.1135 0.36621 0 9.4125
"hom 150" 1.9539 0.14268 0.37377 0 9.4125
"hom 100" 1.5947 0.11365 0.36803 0 8.9864
"hom 50" 1.8448 0.12153 0.43102 0 8.3209
"hom 0" 1.5965 0.14848 0.36191 0 8.3209
"hom-conservative 255" 1.0284 0.020999 0.069249 0.16629 11.811
"hom-conservative 240" 1.0356 0.020197 0.067055 0.16484 11.811
"hom-conservative 200" 1.0786 0.01594 0.060513 0.15526 11.343
"hom-conservative 150" 0.99743 0.017152 0.05906 0.14971 13.163
"hom-conservative 100" 1.0859 0.017112 0.061986 0.16559 12.419
"hom-conservative 50" 1.1211 0.015418 0.063449 0.14031 12.419
"hom-conservative 0" 1.0507 0.016461 0.061565 0.12646 12.419
"cpu-depth 64" 0.099415 0.23131 0.092533 0 12.972
"cpu-depth 128" 0.07005 0.25974 0.073236 0 12.076
"cpu-depth 256" 0.073587 0.29703 0.072655 0 14.889
"cpu-depth 640" 0.069209 0.76719 0.15947 0 15.884
"cpu-depth 256-triangles" 0.0697 0.34379 0.25964 0 15.444
"cpu-depth 640-triangles" 0.073917 0.63748 0.31155 0 13.827
"cpu-depth 256-2-threads" 0.066093 0.31846 0.072455 0 14.889
"cpu-depth 640-2-threads" 0.071262 0.67958 0.10607 0 15.884
"gpu-hiz 640" 11.526 0.56683 0.26966 0.18986 19.252
"gpu-hiz 160" 3.3427 0.063528 0.015579 0.19769 17.651
"occlusion-query stop-and-wait" 11.517 24.582 0.043201 0 13.827
"occlusion-query previous-frame" 0.05869 8.2084 17.33 0 16.265
EOD
$cost225 << EOD
"draw-all" 0 0 0 0 19.475
"oracle" 0 0 0 0 8.7996
"oracle-occluders" 0 0 0 0 10.24
"hom 255" 1.9076 0.1857 0.51879 0 10.913
"hom 240" 1.9697 0.15775 0.50165 0 10.057
"hom 200" 1.6198 0.15584 0.41283 0 10.057
"hom 150" 1.2974 0.13127 0.39428 0 10.057
"hom 100" 1.5866 0.14109 0.38992 0 11.577
"hom 50" 1.301 0.11018 0.40021 0 11.577
"hom 0" 1.3652 0.15465 0.46959 0 9.5914
"hom-conservative 255" 1.0883 0.017704 0.079628 0.2081 13.659
"hom-conservative 240" 1.1626 0.018334 0.076592 0.17834 13.659
"hom-conservative 200" 1.4174 0.015428 0.07516 0.15605 12.537
"hom-conservative 150" 0.99661 0.013124 0.063068 0.15704 12.537
"hom-conservative 100" 1.3632 0.016692 0.078867 0.16425 13.238
"hom-conservative 50" 1.4516 0.015139 0.077976 0.15568 16.628
"hom-conservative 0" 1.5167 0.017532 0.077305 0.14818 16.369
"cpu-depth 64" 0.10629 0.26551 0.094226 0 13.057
"cpu-depth 128" 0.08591 0.29917 0.093714 0 10.781
"cpu-depth 256" 0.070632 0.43194 0.10937 0 10.781
"cpu-depth 640" 0.075411 1.1163 0.20091 0 11.795
"cpu-depth 256-triangles" 0.082193 0.42583 0.19554 0 10.203
"cpu-depth 640-triangles" 0.071142 1.0367 0.33762 0 10.24
"cpu-depth 256-2-threads" 0.0804 0.40368 0.11309 0 10.781
"cpu-depth 640-2-threads" 0.073377 0.88232 0.13802 0 11.795
"gpu-hiz 640" 13.359 0.88584 0.24632 0.23606 10.834
"gpu-hiz 160" 3.8438 0.059582 0.015088 0.19745 10.502
"occlusion-query stop-and-wait" 13.28 27.941 0.05379 0 10.24
"occlusion-query previous-frame" 0.069018 13.637 24.858 0 10.378
EOD
$cost270 << EOD
"draw-all" 0 0 0 0 13.574
"oracle" 0 0 0 0 8.3666
"oracle-occluders" 0 0 0 0 11.51
"hom 255" 1.2828 0.12698 0.41598 0 12.589
"hom 240" 1.4796 0.1261 0.37389 0 13.479
"hom 200" 1.1227 0.10847 0.38191 0 9.2309
"hom 150" 1.172 0.13629 0.41115 0 8.4868
"hom 100" 1.2213 0.11744 0.35856 0 8.2018
"hom 50" 1.1674 0.12477 0.34725 0 8.8421
"hom 0" 1.09 0.11506 0.35949 0 8.8421
"hom-conservative 255" 0.80061 0.014618 0.059451 0.15694 11.037
"hom-conservative 240" 0.94906 0.015028 0.068838 0.15177 11.037
"hom-conservative 200" 0.88231 0.014879 0.060332 0.13038 10.24
"hom-conservative 150" 0.9549 0.014148 0.060373 0.11992 10.347
"hom-conservative 100" 0.8175 0.013274 0.059932 0.11593 10.141
"hom-conservative 50" 0.82691 0.012753 0.058479 0.11463 10.141
"hom-conservative 0" 0.77122 0.014337 0.059732 0.11831 10.141
"cpu-depth 64" 0.082844 0.16426 0.072135 0 9.9885
"cpu-depth 128" 0.068909 0.18683 0.074208 0 10.535
"cpu-depth 256" 0.066484 0.23758 0.074258 0 10.189
"cpu-depth 640" 0.061735 0.49457 0.10552 0 12.75
"cpu-depth 256-triangles" 0.066033 0.22993 0.20763 0 11.191
"cpu-depth 640-triangles" 0.065763 0.63322 0.33851 0 11.51
"cpu-depth 256-2-threads" 0.08075 0.25968 0.078977 0 10.189
"cpu-depth 640-2-threads" 0.077956 0.50346 0.12556 0 12.75
"gpu-hiz 640" 8.8775 0.60593 0.25139 0.18785 14.191
"gpu-hiz 160" 2.7385 0.040705 0.013665 0.16245 14.336
"occlusion-query stop-and-wait" 7.6205 17.926 0.051696 0 11.51
"occlusion-query previous-frame" 0.071904 7.6001 21.706 0 10.811
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
plot $cost180 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost180 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost180 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost180 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost180 using 6 lc rgb '#bbbbbb' title 'drawing', 15.21 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 225 degrees'
plot $cost225 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost225 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost225 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost225 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost225 using 6 lc rgb '#bbbbbb' title 'drawing', 11.264 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 270 degrees'
plot $cost270 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost270 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost270 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost270 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost270 using 6 lc rgb '#bbbbbb' title 'drawing', 12.661 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
unset multiplot
