$pareto << EOD
0 "255" 1.8501 14.455 40.792
0 "240" 1.6481 14.79 42.438
0 "200" 1.6202 15.315 46.956
0 "150" 1.5913 15.407 51.921
0 "100" 1.5982 15.407 53.581
0 "50" 1.6093 15.407 55.008
0 "0" 1.5985 15.407 56.306
1 "255" 1.3969 0 0
1 "240" 1.3825 0 0
1 "200" 1.3878 0 0
1 "150" 1.3845 0 0
1 "100" 1.3714 0 0
1 "50" 1.3662 0 0
1 "0" 1.3605 0 0
2 "64" 0.2112 0 46.566
2 "128" 0.22918 0 46.591
2 "256" 0.29005 0 46.557
2 "640" 0.56755 0 46.602
2 "256-triangles" 0.87852 3.0198 93.407
2 "640-triangles" 1.3038 0 87.39
2 "256-2-threads" 0.33365 0 46.557
2 "640-2-threads" 0.45563 0 46.602
3 "640" 6.186 0 27.021
3 "160" 2.5895 0 28.274
4 "stop-and-wait" 18.641 0 100
4 "previous-frame" 18.35 3.4455 97.941
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
set multiplot title 'Occludees culled (top, of 110) and falsely culled (bottom, own axis) by fake camera angle'
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
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
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
set yrange [0:8]
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
set yrange [0:114]
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
set yrange [0:8]
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
$cost0 << EOD
"draw-all" 0 0 0 0 8.9184
"oracle" 0 0 0 0 1.4898
"oracle-occluders" 0 0 0 0 1.5169
"hom 255" 1.5878 0.045765 0.084638 0 3.3441
"hom 240" 1.5054 0.0323 0.08053 0 3.3441
"hom 200" 1.2871 0.035656 0.079549 0 3.2315
"hom 150" 1.441 0.036849 0.077815 0 3.0134
"hom 100" 1.4712 0.034915 0.077665 0 2.5209
"hom 50" 1.5008 0.030938 0.06422 0 2.5209
"hom 0" 1.4917 0.033643 0.077184 0 2.5209
"hom-conservative 255" 1.2688 0.022152 0.019486 0.035125 8.9184
"hom-conservative 240" 1.0606 0.018665 0.016621 0.032531 8.9184
"hom-conservative 200" 1.1291 0.018685 0.015138 0.024034 8.9184
"hom-conservative 150" 1.14 0.019265 0.019537 0.030547 8.9184
"hom-conservative 100" 1.2887 0.021491 0.019046 0.027492 8.9184
"hom-conservative 50" 1.2615 0.021069 0.019125 0.027382 8.9184
"hom-conservative 0" 1.256 0.019826 0.017552 0.023193 8.9184
"cpu-depth 64" 0.00028 0.11396 0.011751 0 2.6223
"cpu-depth 128" 4e-05 0.10903 0.011441 0 3.006
"cpu-depth 256" 0.00011 0.13839 0.011081 0 2.9783
"cpu-depth 640" 0.00012 0.31932 0.014547 0 2.9783
"cpu-depth 256-triangles" 0.00013 0.13568 0.33478 0 1.6289
"cpu-depth 640-triangles" 0.00013 0.31645 0.44791 0 1.6947
"cpu-depth 256-2-threads" 6e-05 0.16449 0.011602 0 2.9783
"cpu-depth 640-2-threads" 4e-05 0.23147 0.018434 0 2.9783
"gpu-hiz 640" 3.9821 0.5779 0.28648 0.052238 4.7133
"gpu-hiz 160" 2.0548 0.061495 0.016 0.039344 4.5313
"occlusion-query stop-and-wait" 3.4376 12.898 0.014857 0 1.5169
"occlusion-query previous-frame" 0.016371 3.8604 13.709 0 1.5169
EOD
$cost120 << EOD
"draw-all" 0 0 0 0 10.656
"oracle" 0 0 0 0 2.4138
"oracle-occluders" 0 0 0 0 4.1936
"hom 255" 2.0727 0.055814 0.081843 0 6.1502
"hom 240" 1.7566 0.045304 0.081522 0 6.1502
"hom 200" 1.6592 0.039603 0.082143 0 2.7386
"hom 150" 1.5611 0.034975 0.072114 0 2.7386
"hom 100" 1.5928 0.034053 0.078395 0 2.7458
"hom 50" 1.6158 0.031509 0.080671 0 2.2399
"hom 0" 1.5812 0.035095 0.071703 0 2.2399
"hom-conservative 255" 1.4094 0.023955 0.02123 0.032741 10.656
"hom-conservative 240" 1.3126 0.022371 0.018223 0.029075 10.656
"hom-conservative 200" 1.3397 0.022031 0.018134 0.027672 10.656
"hom-conservative 150" 1.3305 0.019857 0.021209 0.030577 10.656
"hom-conservative 100" 1.3524 0.019366 0.020027 0.026199 10.656
"hom-conservative 50" 1.3294 0.02134 0.020208 0.025338 10.656
"hom-conservative 0" 1.3188 0.022392 0.018245 0.022772 10.656
"cpu-depth 64" 0.000301 0.38064 0.011682 0 6.3723
"cpu-depth 128" 4e-05 0.41597 0.012202 0 5.9908
"cpu-depth 256" 0.000131 0.44606 0.012894 0 6.1995
"cpu-depth 640" 0.0001 0.84293 0.016981 0 6.1995
"cpu-depth 256-triangles" 0.00013 0.42795 0.76625 0 2.658
"cpu-depth 640-triangles" 0.00013 0.94566 0.8871 0 3.9204
"cpu-depth 256-2-threads" 0.00015 0.6557 0.012833 0 6.1995
"cpu-depth 640-2-threads" 0.00011 0.83955 0.018645 0 6.1995
"gpu-hiz 640" 4.5674 0.74728 0.41145 0.055723 8.108
"gpu-hiz 160" 2.6996 0.059911 0.018815 0.046797 7.2011
"occlusion-query stop-and-wait" 4.138 14.421 0.014768 0 4.1936
"occlusion-query previous-frame" 0.017793 4.5193 14.217 0 3.0609
EOD
$cost240 << EOD
"draw-all" 0 0 0 0 11.978
"oracle" 0 0 0 0 2.2841
"oracle-occluders" 0 0 0 0 3.0143
"hom 255" 1.8646 0.058419 0.088926 0 5.4372
"hom 240" 1.7334 0.042099 0.082694 0 5.4372
"hom 200" 1.6436 0.041116 0.082073 0 2.9599
"hom 150" 1.7096 0.041087 0.084267 0 2.9599
"hom 100" 1.6932 0.040365 0.082162 0 2.7136
"hom 50" 1.6501 0.038322 0.078526 0 1.6814
"hom 0" 1.7187 0.040015 0.078376 0 1.7328
"hom-conservative 255" 1.4096 0.023192 0.022823 0.03775 11.978
"hom-conservative 240" 1.487 0.022571 0.02115 0.034504 11.978
"hom-conservative 200" 1.4462 0.020939 0.020057 0.031158 11.978
"hom-conservative 150" 1.525 0.022872 0.02155 0.031108 11.978
"hom-conservative 100" 1.4675 0.022521 0.020949 0.028493 11.978
"hom-conservative 50" 1.3794 0.02175 0.019907 0.027291 11.978
"hom-conservative 0" 1.3694 0.02112 0.019476 0.027091 11.978
"cpu-depth 64" 0.000301 0.15333 0.011762 0 3.7631
"cpu-depth 128" 4e-05 0.16157 0.011742 0 3.6693
"cpu-depth 256" 4e-05 0.23614 0.012804 0 4.8529
"cpu-depth 640" 0.00012 0.5405 0.016321 0 5.2048
"cpu-depth 256-triangles" 0.00011 0.23384 0.79121 0 2.7372
"cpu-depth 640-triangles" 0.00011 0.54583 1.0626 0 2.6425
"cpu-depth 256-2-threads" 0.00012 0.2464 0.012613 0 4.8529
"cpu-depth 640-2-threads" 5e-05 0.37614 0.017181 0 5.2048
"gpu-hiz 640" 5.0983 0.83301 0.25651 0.057166 8.1914
"gpu-hiz 160" 2.5475 0.061564 0.016911 0.041257 7.417
"occlusion-query stop-and-wait" 4.5182 14.157 0.019205 0 3.0143
"occlusion-query previous-frame" 0.019607 4.4306 15.248 0 2.5974
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
set title 'fake camera at 0 degrees'
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 1.6686 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 120 degrees'
plot $cost120 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost120 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost120 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost120 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost120 using 6 lc rgb '#bbbbbb' title 'drawing', 4.613 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
set title 'fake camera at 240 degrees'
plot $cost240 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost240 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost240 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost240 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost240 using 6 lc rgb '#bbbbbb' title 'drawing', 3.3157 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.10 x oracle-occluders'
unset multiplot
