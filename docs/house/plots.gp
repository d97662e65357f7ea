$pareto << EOD
0 "255" 2.2239 3.5795 51.352
0 "240" 2.0475 4.9129 52.104
0 "200" 2.1568 5.7682 52.997
0 "150" 2.093 6.9241 53.167
0 "100" 2.1111 7.1873 53.167
0 "50" 2.1733 7.1873 55.667
0 "0" 2.1616 7.1873 56.024
1 "255" 1.9241 0 33.418
1 "240" 1.8328 0 33.418
1 "200" 1.864 0 33.418
1 "150" 1.8685 0 33.418
1 "100" 1.8701 0 33.418
1 "50" 1.8147 0 33.418
1 "0" 1.7717 0 33.418
2 "64" 0.48538 0 74.27
2 "128" 0.53112 0 71.599
2 "256" 0.70361 0 75.626
2 "640" 1.5882 0 77.342
2 "256-triangles" 1.3648 2.6316 92.137
2 "640-triangles" 2.466 0 92.018
2 "256-2-threads" 0.84206 0 75.626
2 "640-2-threads" 1.3458 0 77.342
3 "640" 9.7182 0 47.799
3 "160" 3.4441 0 48.738
4 "stop-and-wait" 22.505 0 100
4 "previous-frame" 21.579 52.662 81.003
EOD
set terminal pngcairo size 1400,620 font ',10'
set output 'pareto.png'
set multiplot layout 1,2 title 'Culling-pass cost against what the pass gets wrong and what it removes (means over the viewpoints; labels: configuration)'
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
set multiplot title 'Occludees culled (top, of 110) and falsely culled (bottom, own axis) by fake camera viewpoint'
set xrange [0:9]
set grid
set key inside top left vertical opaque font ',7' samplen 1.5 spacing 0.85
set lmargin at screen 0.035789
set rmargin at screen 0.19579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel 'occludees'
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel 'false culls'
plot 'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.23579
set rmargin at screen 0.39579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom-conservative'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'view':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.43579
set rmargin at screen 0.59579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'cpu-depth'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '640', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-triangles' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '256-triangles', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-triangles' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '640-triangles', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '256-2-threads', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640-2-threads'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '640', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-triangles' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '256-triangles', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-triangles' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '640-triangles', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '256-2-threads', \
     'results.csv' using 'view':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640-2-threads' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640-2-threads'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '160'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'view':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '160'
set lmargin at screen 0.83579
set rmargin at screen 0.99579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'occlusion-query'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'view':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title 'previous-frame'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'viewpoint'
set format x '%g'
set yrange [0:33]
set ylabel ''
plot 'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'view':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title 'previous-frame'
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
$cost0 << EOD
"draw-all" 0 0 0 0 15.274
"oracle" 0 0 0 0 10.677
"oracle-occluders" 0 0 0 0 11.608
"hom 255" 2.7665 0.055624 0.081171 0 12.248
"hom 240" 2.7031 0.045735 0.079619 0 11.572
"hom 200" 2.7962 0.043531 0.078807 0 11.696
"hom 150" 2.4518 0.044813 0.078707 0 11.696
"hom 100" 2.6288 0.042128 0.079138 0 11.696
"hom 50" 2.7802 0.044523 0.077875 0 11.696
"hom 0" 2.6501 0.041437 0.077955 0 11.696
"hom-conservative 255" 2.469 0.031469 0.056195 0.030506 15.274
"hom-conservative 240" 2.3148 0.02705 0.055393 0.029475 15.274
"hom-conservative 200" 2.4555 0.027651 0.05376 0.027952 15.274
"hom-conservative 150" 2.3908 0.02648 0.054362 0.028253 15.274
"hom-conservative 100" 2.4358 0.024666 0.053509 0.028974 15.274
"hom-conservative 50" 2.4383 0.024274 0.053369 0.02685 15.274
"hom-conservative 0" 2.3132 0.023714 0.05315 0.028794 15.274
"cpu-depth 64" 0.000291 0.69581 0.012022 0 12.46
"cpu-depth 128" 5e-05 0.82605 0.011371 0 12.428
"cpu-depth 256" 0.00014 1.103 0.011521 0 12.428
"cpu-depth 640" 6e-05 2.6733 0.017623 0 12.578
"cpu-depth 256-triangles" 0.00016 1.0771 0.74053 0 10.749
"cpu-depth 640-triangles" 0.00015 2.7617 0.9438 0 10.749
"cpu-depth 256-2-threads" 0.00016 1.1834 0.012623 0 12.428
"cpu-depth 640-2-threads" 0.00015 2.5716 0.018635 0 12.578
"gpu-hiz 640" 12.245 0.8154 0.33956 0.059801 13.212
"gpu-hiz 160" 4.8225 0.064711 0.018364 0.052377 13.212
"occlusion-query stop-and-wait" 10.018 20.579 0.020047 0 11.608
"occlusion-query previous-frame" 0.013515 9.0995 21.162 0 3.6751
EOD
$cost3 << EOD
"draw-all" 0 0 0 0 8.7783
"oracle" 0 0 0 0 2.6569
"oracle-occluders" 0 0 0 0 2.8016
"hom 255" 2.3713 0.039864 0.062757 0 7.9871
"hom 240" 1.8391 0.03216 0.061194 0 7.9871
"hom 200" 2.0814 0.031158 0.053249 0 7.9871
"hom 150" 2.2185 0.031258 0.062247 0 7.9871
"hom 100" 2.2821 0.031378 0.061264 0 7.9871
"hom 50" 2.313 0.025798 0.047759 0 7.9871
"hom 0" 2.1851 0.025558 0.061104 0 7.9871
"hom-conservative 255" 2.1063 0.02661 0.05891 0.025607 8.7783
"hom-conservative 240" 1.9794 0.023373 0.054762 0.023413 8.7783
"hom-conservative 200" 1.9317 0.023163 0.056395 0.024796 8.7783
"hom-conservative 150" 1.9761 0.023183 0.057256 0.022843 8.7783
"hom-conservative 100" 1.9944 0.020638 0.055643 0.023143 8.7783
"hom-conservative 50" 1.8283 0.023744 0.054181 0.021571 8.7783
"hom-conservative 0" 1.9524 0.021279 0.055022 0.021199 8.7783
"cpu-depth 64" 0.0003 0.3305 0.01021 0 4.3732
"cpu-depth 128" 6e-05 0.36451 0.01091 0 4.3732
"cpu-depth 256" 0.00012 0.47336 0.01651 0 4.3732
"cpu-depth 640" 0.0001 1.2531 0.046637 0 4.3732
"cpu-depth 256-triangles" 0.00013 0.4651 0.57329 0 3.5056
"cpu-depth 640-triangles" 0.00016 1.2336 0.73017 0 3.5056
"cpu-depth 256-2-threads" 7.1e-05 0.77294 0.01628 0 4.3732
"cpu-depth 640-2-threads" 7e-05 1.0431 0.04826 0 4.3732
"gpu-hiz 640" 10.037 0.64779 0.30258 0.051215 6.9449
"gpu-hiz 160" 3.7456 0.066454 0.016701 0.046957 6.9449
"occlusion-query stop-and-wait" 8.4727 13.417 0.017213 0 2.6569
"occlusion-query previous-frame" 0.018014 7.9586 13.91 0 3.6794
EOD
$cost6 << EOD
"draw-all" 0 0 0 0 8.8021
"oracle" 0 0 0 0 8.2907
"oracle-occluders" 0 0 0 0 9.0972
"hom 255" 2.067 0.036167 0.063389 0 8.8021
"hom 240" 1.6695 0.030767 0.05892 0 8.8021
"hom 200" 2.2643 0.028994 0.060163 0 8.8021
"hom 150" 1.8936 0.029705 0.051015 0 8.9452
"hom 100" 1.9782 0.0269 0.056576 0 8.9452
"hom 50" 2.2094 0.028503 0.048511 0 8.9452
"hom 0" 2.2984 0.030577 0.061735 0 8.9452
"hom-conservative 255" 1.9286 0.023965 0.050274 0.025117 8.8021
"hom-conservative 240" 1.7214 0.023233 0.04826 0.022813 8.8021
"hom-conservative 200" 1.6947 0.023474 0.04823 0.023504 8.8021
"hom-conservative 150" 1.863 0.023494 0.04838 0.022021 8.8021
"hom-conservative 100" 1.8644 0.02156 0.049392 0.021991 8.8021
"hom-conservative 50" 1.7827 0.022511 0.04846 0.022381 8.8021
"hom-conservative 0" 1.8199 0.02173 0.047498 0.021711 8.8021
"cpu-depth 64" 0.000281 0.69947 0.007934 0 9.0795
"cpu-depth 128" 4e-05 0.74143 0.008085 0 9.0795
"cpu-depth 256" 0.00012 0.99128 0.007734 0 9.0795
"cpu-depth 640" 7e-05 2.6661 0.009067 0 9.0795
"cpu-depth 256-triangles" 0.00013 0.99181 0.78787 0 8.2201
"cpu-depth 640-triangles" 0.00013 2.5572 1.087 0 8.2201
"cpu-depth 256-2-threads" 0.00011 1.0507 0.007494 0 9.0795
"cpu-depth 640-2-threads" 0.00012 1.9523 0.009678 0 9.0795
"gpu-hiz 640" 9.6384 0.74951 0.28026 0.052067 8.8021
"gpu-hiz 160" 3.8136 0.0594 0.016722 0.043471 8.8021
"occlusion-query stop-and-wait" 7.7062 13.884 0.016481 0 9.0972
"occlusion-query previous-frame" 0.019566 8.067 12.822 0 1.293
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
set title 'fake camera at viewpoint 0'
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 12.769 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at viewpoint 3'
plot $cost3 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost3 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost3 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost3 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost3 using 6 lc rgb '#bbbbbb' title 'drawing', 3.0817 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at viewpoint 6'
plot $cost6 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost6 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost6 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost6 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost6 using 6 lc rgb '#bbbbbb' title 'drawing', 10.007 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
unset multiplot
