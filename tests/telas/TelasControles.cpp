#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

#include "Telas.h"
#include "controles/TFoNovidade.h"
#include "controles/TFormMessageTolv.h"
#include "controles/TfrmAguarde.h"
#include "controles/TfmSobre.h"

TOLV_TELAS(Controles) {
  TFoNovidade novidade;
  ctx.salva(novidade, "TFoNovidade");
  novidade.clicaTopico(0);
  ctx.salva(novidade, "TFoNovidade-topico");

  TfmSobre sobre(QStringLiteral("1.5"));
  ctx.salva(sobre, "TfmSobre");
  // The picture fades in from white and its pieces fly home: a while later it stands.
  QDeadlineTimer prazo(4000);
  while (!prazo.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
  ctx.salva(sobre, "TfmSobre-animacao");
}

TOLV_TELAS(Mensagens) {
  TFormMessageTolv informacao(QStringLiteral("A declaração foi gravada com sucesso."), QStringLiteral("Informação"), 64);
  ctx.salva(informacao, "TFormMessageTolv");
  TFormMessageTolv erro(QStringLiteral("Não foi possível abrir o banco de dados da declaração.\rVerifique se o arquivo existe "
                                       "e se o programa tem permissão de escrita na pasta DADOS."),
                        QStringLiteral("Erro"), 16);
  ctx.salva(erro, "TFormMessageTolv-erro");
  TFormMessageTolv confirmacao(QStringLiteral("Confirma sair do programa?"), QStringLiteral("Sair do programa"), 36);
  ctx.salva(confirmacao, "TFormMessageTolv-confirmacao");
  TFormMessageTolv aviso(QStringLiteral("Os seguintes arquivos de cópia de segurança foram encontrados no diretório "
                                        "/home/usuario/CopSeg:\r\r  - Tolv2014.cmp de 10/03/2014 14:32\r"
                                        "  - Tolv2014-antiga.cmp de 02/01/2014 09:05\r\rSe desejar restaurar algum "
                                        "arquivo utilize a opção Ferramentas/Cópia de segurança/Restaurar."),
                         QStringLiteral("Aviso"), 48);
  ctx.salva(aviso, "TFormMessageTolv-aviso");
}

TOLV_TELAS(Aguarde) {
  QWidget dono;
  dono.resize(640, 400);
  dono.show();
  TfrmAguarde aguarde(&dono);
  ctx.salva(aguarde, "TfrmAguarde");
}
